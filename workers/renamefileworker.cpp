#include "renamefileworker.h"

#include "database/dataaccessobject.h"
#include "requests/renamefilerequest.h"

RenameFileWorker::RenameFileWorker(DataAccessObject *dao, int fileId, const QString &newName,
                                   const QString &currentName, DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_fileId(fileId)
    , m_newName(newName)
    , m_currentName(currentName)
{
}

void RenameFileWorker::startWork()
{
    markFilesBusy({m_fileId});
    runRequest(new RenameFileRequest(m_fileId, m_newName), &RenameFileWorker::handleRequest);
}

void RenameFileWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(tr("Error rename file %1").arg(m_currentName), result);
        return;
    }
    m_dao->renameFile(m_fileId, m_newName);
    succeed(tr("File %1 already renamed").arg(m_currentName), result.value(QStringLiteral("newFileName")).toString());
}
