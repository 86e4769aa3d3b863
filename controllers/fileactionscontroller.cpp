#include "fileactionscontroller.h"

#include "securestorage/sstorewrapper.h"
#include "workers/addfavoriteworker.h"
#include "workers/copyfileworker.h"
#include "workers/deletefavoriteworker.h"
#include "workers/downloadfileworker.h"
#include "workers/downloadpdfworker.h"
#include "workers/movefiletotrashworker.h"
#include "workers/movefileworker.h"
#include "workers/renamefileworker.h"
#include "workers/restorefileworker.h"
#include "workers/sharefileworker.h"
#include "workers/unsharefileworker.h"

#include <QDebug>
#include <QThreadPool>

FileActionsController::FileActionsController(QObject *parent)
    : ActionsController(parent)
{
}

void FileActionsController::moveToTrash(int fileId, const QString &fileName)
{
    start(new MoveFileToTrashWorker(m_dao, fileId, fileName, folderType()));
}

void FileActionsController::renameFile(int fileId, const QString &fileName, const QString &newFileName)
{
    start(new RenameFileWorker(m_dao, fileId, newFileName, fileName, folderType()));
}

void FileActionsController::copyFile(const QList<int> &fileIds, int toDirectoryId, const QStringList &fileNames)
{
    start(new CopyFileWorker(m_dao, fileIds, toDirectoryId, fileNames, folderType(), false));
}

void FileActionsController::duplicateFile(const QList<int> &fileIds, int toDirectoryId, const QString &fileName)
{
    start(new CopyFileWorker(m_dao, fileIds, toDirectoryId, {fileName}, folderType(), true));
}

void FileActionsController::moveFile(const QList<int> &fileIds, int toDirectoryId, const QStringList &fileName)
{
    start(new MoveFileWorker(m_dao, fileIds, toDirectoryId, fileName, folderType()));
}

void FileActionsController::shareFile(int fileId, int toUserId, int accessType, const QString &fileName)
{
    start(new ShareFileWorker(m_dao, fileId, toUserId, FileAccessType::AccessType(accessType), fileName,
                              folderType()));
}

void FileActionsController::unShareFile(int fileId, int toUserId, int accessType, const QString &fileName)
{
    start(new UnShareFileWorker(m_dao, fileId, toUserId, FileAccessType::AccessType(accessType), fileName,
                                folderType()));
}

void FileActionsController::addFileToFavorites(int documentID, const QString &documentName)
{
    start(new AddFavoriteWorker(m_dao, documentID, documentName, folderType()));
}

void FileActionsController::deleteFileFromFavorites(const QList<int> &documentIDs,
                                                    const QList<QString> &documentNames)
{
    start(new DeleteFavoriteWorker(m_dao, documentIDs, documentNames, folderType()));
}

void FileActionsController::deleteSelectedFilesFromFavorites(const QHash<int, QString> &selectedFiles)
{
    deleteFileFromFavorites(selectedFiles.keys(), selectedFiles.values());
}

void FileActionsController::restoreFile(int documentID, int toFolderId, const QString &documentName)
{
    start(new RestoreFileWorker(m_dao, documentID, toFolderId, documentName, folderType()));
}

void FileActionsController::downloadTo(int fileId, const QString &path, const QString &fileName)
{
    startTransfer(new DownloadFileWorker(m_dao, fileId, path, fileName, folderType()), fileName,
                  TransferListModel::Download);
}

void FileActionsController::downloadAsPdf(int fileId, const QString &fileName, SecureStorage *sstore)
{
    // Without an open container the target would be a folder at the root of the file system.
    const QString containerPath = sstore ? sstore->path() : QString();
    if (containerPath.isEmpty()) {
        qWarning() << "Download as PDF refused: the secure storage is not open";
        showErrorMessage(tr("The secure storage is not open, %1 cannot be saved").arg(fileName));
        return;
    }
    auto *worker = new DownloadPdfWorker(m_dao, fileId, fileName, containerPath + SecureStorage::documentsSuffix(),
                                         folderType());
    TransferListModel::instance()->track(worker, fileName, TransferListModel::Download);
    QThreadPool::globalInstance()->start(worker);
}
