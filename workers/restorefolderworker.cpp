#include "restorefolderworker.h"

#include "database/dataaccessobject.h"
#include "requests/restorefolderrequest.h"

RestoreFolderWorker::RestoreFolderWorker(DataAccessObject *dao, int folderId, int toFolderId,
                                         const QString &folderName, CopyFolderFlags::Flags flag,
                                         DirectoryType::RootDirectoryTypes root, QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_folderId(folderId)
    , m_toFolderId(toFolderId)
    , m_folderName(folderName)
    , m_flag(flag)
{
}

void RestoreFolderWorker::startWork()
{
    markFoldersBusy({m_folderId});
    runRequest(new RestoreFolderRequest({m_folderId}, m_toFolderId, m_flag), &RestoreFolderWorker::handleRequest);
}

void RestoreFolderWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(tr("Error restore folder %1").arg(m_folderName), result);
        return;
    }
    // The trash rows live in the My documents table.
    m_dao->deleteFolder(m_folderId, DirectoryType::MyDocuments);
    succeed(tr("Folder %1 already restored").arg(m_folderName), QString::number(m_folderId));
}
