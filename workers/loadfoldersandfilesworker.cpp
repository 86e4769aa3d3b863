#include "loadfoldersandfilesworker.h"

LoadFoldersAndFilesWorker::LoadFoldersAndFilesWorker(DataAccessObject *dao, QObject *parent)
    : AbstractLoadEntriesWorker(dao, DataAccessObject::ListingScope::FilesAndFolders, parent)
{
}

void LoadFoldersAndFilesWorker::loadFilesAndFolders(int folderId, DirectoryType::RootDirectoryTypes root)
{
    getFoldersFromServer(folderId, root);
}

void LoadFoldersAndFilesWorker::handleGetFoldersRequest(const QVariantMap &response)
{
    if (endOnFailure(response))
        return;
    addFolders(response.value(QStringLiteral("folders")).toList());
    requestDocuments();
}

void LoadFoldersAndFilesWorker::handleGetDocumentsRequest(const QVariantMap &response)
{
    // Without the documents the listing is incomplete: storing it would drop
    // the cached files of the folder, or store another folder's files.
    if (endOnFailure(response))
        return;
    addDocuments(response.value(QStringLiteral("documents")).toList());
    storeListing(response);
}
