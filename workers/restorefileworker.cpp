#include "restorefileworker.h"

#include "database/dataaccessobject.h"
#include "requests/restorefilerequest.h"

RestoreFileWorker::RestoreFileWorker(DataAccessObject *dao, int fileId, int toFolderId, const QString &fileName,
                                     DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_fileId(fileId)
    , m_toFolderId(toFolderId)
    , m_fileName(fileName)
{
}

void RestoreFileWorker::startWork()
{
    markFilesBusy({m_fileId});
    runRequest(new RestoreFileRequest({m_fileId}, m_toFolderId), &RestoreFileWorker::handleRequest);
}

void RestoreFileWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(tr("Error restore file %1").arg(m_fileName), result);
        return;
    }
    // The trash rows live in the My documents table.
    m_dao->deleteFile(m_fileId, DirectoryType::MyDocuments);
    succeed(tr("File %1 already restored").arg(m_fileName), QString::number(m_fileId));
}
