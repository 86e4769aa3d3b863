#include "mydocumentspagecontroller.h"

#include "workers/loadfoldersandfilesworker.h"

MyDocumentsPageController::MyDocumentsPageController(QObject *parent)
    : FolderListingPage(parent)
{
}

QString MyDocumentsPageController::folderQuery(int folderId)
{
    return QStringLiteral("SELECT * from files_and_folders WHERE parent_id = %1 OR directory_id = %1").arg(folderId);
}

QString MyDocumentsPageController::cacheQuery() const
{
    return hasValidFolder() ? folderQuery(folderId()) : QString();
}

void MyDocumentsPageController::loadFoldersAndFiles(int folderId)
{
    // One worker for the page: a newer load supersedes an older one that
    // has not answered yet, so a late answer cannot overwrite a newer listing.
    if (!m_worker)
        m_worker = new LoadFoldersAndFilesWorker(m_dao, this);
    followLoad("Loading folders and files...", m_worker);
    m_worker->loadFilesAndFolders(folderId, DirectoryType::MyDocuments);
}
