#include "favoritespagecontroller.h"

#include "workers/clearfavoritesworker.h"
#include "workers/getdocumentsworker.h"

#include <QDebug>

FavoritesPageController::FavoritesPageController(QObject *parent)
    : CachedFolderPage(parent)
{
}

QString FavoritesPageController::cacheQuery() const
{
    return QStringLiteral("SELECT * from files_and_folders WHERE is_favorite = 1 AND is_file = 1");
}

void FavoritesPageController::loadFoldersAndFiles(int folderId)
{
    if (!m_worker)
        m_worker = new GetDocumentsWorker(m_dao, this);
    followLoad("Loading favorite files...", m_worker);
    m_worker->getDocumentsFromServer(folderId, DirectoryType::Favorite);
}

void FavoritesPageController::clearFavorites()
{
    qInfo() << "Deleting all files from favorites...";
    if (!m_clearWorker) {
        m_clearWorker = new ClearFavoritesWorker(m_dao, this);
        connect(m_clearWorker, &Worker::workFinished, this, &FavoritesPageController::handleClearFavorites);
    }
    setConnectionInProgress(true);
    setConnectionFailed(false);
    m_clearWorker->clearFavorites();
}

void FavoritesPageController::handleClearFavorites(bool success, const QString &errorMessage)
{
    setConnectionInProgress(false);
    if (!success) {
        showErrorMessage(errorMessage);
        return;
    }
    emit clearingFavoritesFinished();
}
