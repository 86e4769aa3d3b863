#include "renamefolderworker.h"

#include "database/dataaccessobject.h"
#include "requests/renamefolderrequest.h"

RenameFolderWorker::RenameFolderWorker(DataAccessObject *dao, int folderId, const QString &newName,
                                       const QString &currentName, DirectoryType::RootDirectoryTypes root,
                                       QObject *parent)
    : OperationWorker(dao, root, parent)
    , m_folderId(folderId)
    , m_newName(newName)
    , m_currentName(currentName)
{
}

void RenameFolderWorker::startWork()
{
    markFoldersBusy({m_folderId});
    runRequest(new RenameFolderRequest(m_folderId, m_newName), &RenameFolderWorker::handleRequest);
}

void RenameFolderWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    if (!succeeded(result)) {
        fail(tr("Error rename folder %1").arg(m_currentName), result);
        return;
    }
    m_dao->renameFolder(result.value(QStringLiteral("folderId")).toInt(),
                        result.value(QStringLiteral("newFolderName")).toString());
    succeed(tr("Folder %1 already renamed").arg(m_currentName), m_newName);
}
