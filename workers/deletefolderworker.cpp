#include "deletefolderworker.h"

#include "database/dataaccessobject.h"
#include "requests/deletefolderrequest.h"

DeleteFolderWorker::DeleteFolderWorker(DataAccessObject *dao, int folderId, const QString &folderName,
                                       DirectoryType::RootDirectoryTypes root, QObject *parent)
    : ServerTaskWorker(dao, root, parent)
    , m_folderId(folderId)
    , m_folderName(folderName)
{
}

void DeleteFolderWorker::startWork()
{
    markFoldersBusy({m_folderId});
    startRequest(new DeleteFolderRequest({m_folderId}), &DeleteFolderWorker::handleDeleteRequest);
}

void DeleteFolderWorker::handleDeleteRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    watchServerTask(result, taskCheckFailureText());
}

void DeleteFolderWorker::taskCompleted()
{
    m_dao->deleteFolder(m_folderId, m_root);
    succeed((inTrash() ? tr("Folder %1 already deleted") : tr("Folder %1 already moved to trash")).arg(m_folderName),
            m_folderName);
}

QString DeleteFolderWorker::taskCheckFailureText() const
{
    return (inTrash() ? tr("Error delete folder %1") : tr("Error move folder %1 to trash")).arg(m_folderName);
}
