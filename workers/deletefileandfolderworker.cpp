#include "deletefileandfolderworker.h"

#include "requests/deletefolderrequest.h"
#include "requests/movetotrashfilerequest.h"

DeleteFileAndFolderWorker::DeleteFileAndFolderWorker(DataAccessObject *dao, const QList<int> &fileIds,
                                                     const QList<int> &folderIds, const QStringList &fileNames,
                                                     const QStringList &folderNames,
                                                     DirectoryType::RootDirectoryTypes root, QObject *parent)
    : FileAndFolderWorker(dao, fileIds, folderIds, fileNames, folderNames, -1, CopyFolderFlags::Overwrite, root,
                          parent)
{
    removeEntriesWhenDone();
    const QString foldersFailed =
        inTrash() ? textForNames(folderNames, tr("Error delete folder %1"), tr("Error delete folders %1"))
                  : textForNames(folderNames, tr("Error move folder %1 to trash"), tr("Error move folders %1 to trash"));
    if (inTrash()) {
        setTexts({textForNames(fileNames, tr("File %1 already removed"), tr("Files %1 already removed")),
                  textForNames(fileNames, tr("Error delete file %1"), tr("Error delete files %1")),
                  textForNames(folderNames, tr("Folder %1 already deleted"), tr("Folders %1 already deleted")),
                  foldersFailed, foldersFailed, foldersFailed});
    } else {
        setTexts({textForNames(fileNames, tr("File %1 already move to trash"), tr("Files %1 already move to trash")),
                  textForNames(fileNames, tr("Error move file %1 to trash"), tr("Error move files %1 to trash")),
                  textForNames(folderNames, tr("Folder %1 already moved to trash"),
                               tr("Folders %1 already moved to trash")),
                  foldersFailed, foldersFailed, foldersFailed});
    }
}

void DeleteFileAndFolderWorker::sendFilesRequest()
{
    sendRequest(new MoveToTrashFileRequest(m_fileIds), &DeleteFileAndFolderWorker::handleFilesDeletingRequest);
}

void DeleteFileAndFolderWorker::sendFoldersRequest()
{
    sendRequest(new DeleteFolderRequest(m_folderIds), &DeleteFileAndFolderWorker::handleFoldersDeletingRequest);
}

void DeleteFileAndFolderWorker::handleFilesDeletingRequest(const QVariantMap &result)
{
    handleFilesResult(result);
}

void DeleteFileAndFolderWorker::handleFoldersDeletingRequest(const QVariantMap &result)
{
    handleFoldersResult(result);
}
