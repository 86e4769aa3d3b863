#include "cachedfolderpage.h"

#include "controllers/cachedlisting.h"
#include "workers/worker.h"

#include <QDebug>

CachedFolderPage::CachedFolderPage(QObject *parent)
    : FolderPageInterface(parent)
    , m_listing(new CachedListing([this] { return cacheQuery(); }, this))
{
    connect(this, &Controller::daoChanged, this, &CachedFolderPage::connectToDao);
    emit entitiesModelChanged();
}

RemoteEntitiesModel *CachedFolderPage::entitiesModel() const
{
    return m_listing->model();
}

void CachedFolderPage::connectToDao()
{
    m_listing->watch(m_dao);
}

void CachedFolderPage::updateEntitiesModel()
{
    m_listing->refresh();
}

void CachedFolderPage::followLoad(const char *logLine, Worker *worker)
{
    qInfo() << logLine;
    connect(worker, &Worker::workFinished, this, &CachedFolderPage::handleLoadWork, Qt::UniqueConnection);
    setConnectionInProgress(true);
    setConnectionFailed(false);
}

void CachedFolderPage::handleLoadWork(bool success, const QString &errorMessage)
{
    setConnectionInProgress(false);
    if (!success) {
        showErrorMessage(errorMessage);
        return;
    }
    emitLoadingFinished();
}
