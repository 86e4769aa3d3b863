#include "fileandfolderactionscontroller.h"

#include "workers/copyfileandfolderworkers.h"
#include "workers/deletefileandfolderworker.h"
#include "workers/movefileandfolderworker.h"
#include "workers/restorefileandfolderworker.h"

FileAndFolderActionsController::FileAndFolderActionsController(QObject *parent)
    : ActionsController(parent)
{
}

void FileAndFolderActionsController::copySelectedFilesAndFolders(
    const QList<int> &selectedFileIds, const QList<int> &selectedFolderIds, const QStringList &selectedFileNames,
    const QStringList &selectedFolderNames, int toDirectoryId, CopyFolderFlags::Flags flag)
{
    start(new CopyFileAndFolderWorkers(m_dao, selectedFileIds, selectedFolderIds, selectedFileNames,
                                       selectedFolderNames, toDirectoryId, flag, DirectoryType::MyDocuments));
}

void FileAndFolderActionsController::moveSelectedFilesAndFolders(
    const QList<int> &selectedFileIds, const QList<int> &selectedFolderIds, const QStringList &selectedFileNames,
    const QStringList &selectedFolderNames, int toDirectoryId, CopyFolderFlags::Flags flag)
{
    start(new MoveFileAndFolderWorker(m_dao, selectedFileIds, selectedFolderIds, selectedFileNames,
                                      selectedFolderNames, toDirectoryId, flag, DirectoryType::MyDocuments));
}

void FileAndFolderActionsController::restoreSelectedFilesAndFolders(
    const QList<int> &selectedFileIds, const QList<int> &selectedFolderIds, const QStringList &selectedFileNames,
    const QStringList &selectedFolderNames, int toDirectoryId, CopyFolderFlags::Flags flag)
{
    start(new RestoreFileAndFolderWorker(m_dao, selectedFileIds, selectedFolderIds, selectedFileNames,
                                         selectedFolderNames, toDirectoryId, flag, DirectoryType::Trash));
}

void FileAndFolderActionsController::deleteSelectedFilesAndFolders(const QHash<int, QString> &selectedFiles,
                                                                   const QHash<int, QString> &selectedFolders)
{
    start(new DeleteFileAndFolderWorker(m_dao, selectedFiles.keys(), selectedFolders.keys(), selectedFiles.values(),
                                        selectedFolders.values(), folderType()));
}
