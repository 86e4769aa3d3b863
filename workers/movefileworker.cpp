#include "movefileworker.h"

#include "requests/movefilerequest.h"

MoveFileWorker::MoveFileWorker(DataAccessObject *dao, const QList<int> &fileIds, int toFolderId,
                               const QStringList &fileNames, DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_fileIds(fileIds)
    , m_toFolderId(toFolderId)
    , m_fileNames(fileNames)
{
}

void MoveFileWorker::startWork()
{
    markFilesBusy(m_fileIds);
    runRequest(new MoveFileRequest(m_fileIds, m_toFolderId), &MoveFileWorker::handleRequest);
}

void MoveFileWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(tr("Error move file %1").arg(joinNames(m_fileNames)), result);
        return;
    }
    succeed(tr("File %1 already moved").arg(joinNames(m_fileNames)), QString());
}
