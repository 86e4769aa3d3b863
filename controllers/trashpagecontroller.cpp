#include "trashpagecontroller.h"

#include "controllers/mydocumentspagecontroller.h"
#include "workers/clearfolderworker.h"
#include "workers/loadfoldersandfilesworker.h"

#include <QThreadPool>

TrashPageController::TrashPageController(QObject *parent)
    : FolderListingPage(parent)
{
}

void TrashPageController::setTrashClearInProcess(bool inProcess)
{
    if (m_trashClearInProcess == inProcess)
        return;
    m_trashClearInProcess = inProcess;
    emit trashClearInProcessChanged();
}

QString TrashPageController::cacheQuery() const
{
    return hasValidFolder() ? MyDocumentsPageController::folderQuery(folderId()) : QString();
}

void TrashPageController::loadFoldersAndFiles(int folderId)
{
    if (!m_worker)
        m_worker = new LoadFoldersAndFilesWorker(m_dao, this);
    followLoad("Loading trash folders and files...", m_worker);
    m_worker->loadFilesAndFolders(folderId, DirectoryType::MyDocuments);
}

void TrashPageController::clearTrash()
{
    auto *worker = new ClearFolderWorker(tr("Trash"), folderId());
    connect(worker, &Worker::workFinished, this, &TrashPageController::handleClearTrash);
    setTrashClearInProcess(true);
    QThreadPool::globalInstance()->start(worker);
}

void TrashPageController::handleClearTrash(bool success, const QString &errorMessage)
{
    setTrashClearInProcess(false);
    // A success reports the folder's id, which is no message for the page.
    if (!success) {
        showErrorMessage(errorMessage);
        return;
    }
    setErrorMessage(QString());
    // The portal emptied the trash; the cache learns it from a fresh listing.
    loadFoldersAndFiles(folderId());
}
