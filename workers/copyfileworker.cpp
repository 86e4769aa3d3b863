#include "copyfileworker.h"

#include "database/dataaccessobject.h"
#include "requests/copyfilerequest.h"

CopyFileWorker::CopyFileWorker(DataAccessObject *dao, const QList<int> &fileIds, int toFolderId,
                               const QStringList &fileNames, DirectoryType::RootDirectoryTypes root, bool isDuplicate,
                               QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_fileIds(fileIds)
    , m_toFolderId(toFolderId)
    , m_fileNames(fileNames)
    , m_isDuplicate(isDuplicate)
{
}

void CopyFileWorker::startWork()
{
    markFilesBusy(m_fileIds);
    runRequest(new CopyFileRequest(m_fileIds, m_toFolderId), &CopyFileWorker::handleRequest);
}

void CopyFileWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    const QString names = joinNames(m_fileNames);
    if (!succeeded(result)) {
        fail(tr("Error copy file %1").arg(names), result);
        return;
    }
    if (m_isDuplicate)
        m_dao->insertFiles(result.value(QStringLiteral("copiedFiles")).toList(), DirectoryType::MyDocuments);
    succeed((m_isDuplicate ? tr("File %1 is duplicated") : tr("File %1 is copied")).arg(names), QString());
}
