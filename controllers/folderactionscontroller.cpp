#include "folderactionscontroller.h"

#include "workers/checkconflictworker.h"
#include "workers/copyfolderworker.h"
#include "workers/deletefolderworker.h"
#include "workers/downloadarchivedirectoryworker.h"
#include "workers/movefolderworker.h"
#include "workers/renamefolderworker.h"
#include "workers/restorefolderworker.h"
#include "workers/sharefolderworker.h"
#include "workers/unsharefolderworker.h"

FolderActionsController::FolderActionsController(QObject *parent)
    : ActionsController(parent)
{
}

void FolderActionsController::moveFolder(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag,
                                         const QStringList &folderName)
{
    start(new MoveFolderWorker(m_dao, folderIds, toFolderId, flag, folderName, folderType()));
}

void FolderActionsController::copyFolder(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag,
                                         const QStringList &folderNames)
{
    start(new CopyFolderWorker(m_dao, folderIds, toFolderId, flag, folderNames, folderType()));
}

void FolderActionsController::deleteFolder(int folderId, const QString &folderName)
{
    start(new DeleteFolderWorker(m_dao, folderId, folderName, folderType()));
}

void FolderActionsController::renameFolder(int folderId, const QString &newFolderName, const QString &folderName)
{
    start(new RenameFolderWorker(m_dao, folderId, newFolderName, folderName, folderType()));
}

void FolderActionsController::restoreFolder(int folderId, int toFolderId, CopyFolderFlags::Flags flag,
                                            const QString &folderName)
{
    start(new RestoreFolderWorker(m_dao, folderId, toFolderId, folderName, flag, folderType()));
}

void FolderActionsController::shareFolder(int folderId, int toUserId, int accessType, const QString &folderName)
{
    start(new ShareFolderWorker(m_dao, folderId, toUserId, FileAccessType::AccessType(accessType), folderName,
                                folderType()));
}

void FolderActionsController::unshareFolder(int folderId, int toUserId, int accessType, const QString &folderName)
{
    start(new UnShareFolderWorker(m_dao, folderId, toUserId, FileAccessType::AccessType(accessType), folderName,
                                  folderType()));
}

void FolderActionsController::downloadFolderAsArchive(int folderId, const QString &folderName,
                                                      const QString &toDirectoryPath)
{
    startTransfer(new DownloadArchiveDirectoryWorker(m_dao, folderId, folderName, toDirectoryPath, folderType()),
                  folderName, TransferListModel::Download);
}

void FolderActionsController::checkFolderConflicts(const QList<int> &folderIds, int toFolderId)
{
    auto *worker = new CheckConflictWorker(this);
    connect(worker, &CheckConflictWorker::conflictChecked, this, &FolderActionsController::conflictChecked);
    connect(worker, &Worker::workFinished, this, &FolderActionsController::handleConflictCheck);
    // One question per worker: it goes once its answer has been passed on.
    connect(worker, &Worker::workFinished, worker, &QObject::deleteLater);
    worker->checkConflict(toFolderId, folderIds);
    beginOperation();
}

void FolderActionsController::handleConflictCheck(bool success, const QString &message)
{
    endOperation(success, message);
}
