#include "movefolderworker.h"

#include "requests/movefolderrequest.h"

MoveFolderWorker::MoveFolderWorker(DataAccessObject *dao, const QList<int> &folderIds, int toFolderId,
                                   CopyFolderFlags::Flags flag, const QStringList &folderNames,
                                   DirectoryType::RootDirectoryTypes root, QObject *parent)
    : ServerTaskWorker(dao, root, parent)
    , m_folderIds(folderIds)
    , m_toFolderId(toFolderId)
    , m_flag(flag)
    , m_folderNames(folderNames)
{
}

void MoveFolderWorker::startWork()
{
    markFoldersBusy(m_folderIds);
    runRequest(new MoveFolderRequest(m_folderIds, m_toFolderId, m_flag), &MoveFolderWorker::handleRequest);
}

void MoveFolderWorker::handleRequest(const QVariantMap &result)
{
    if (isFinished())
        return;
    clearBusy();
    watchServerTask(result, tr("Error move folder %1").arg(joinNames(m_folderNames)));
}

void MoveFolderWorker::taskCompleted()
{
    succeed(tr("Folder %1 already moved").arg(joinNames(m_folderNames)), joinNames(m_folderNames));
}

QString MoveFolderWorker::taskCheckFailureText() const
{
    return tr("Error move folders %1").arg(joinNames(m_folderNames));
}

QString MoveFolderWorker::taskErrorText() const
{
    return tr("Error move folders");
}
