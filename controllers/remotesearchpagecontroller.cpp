#include "remotesearchpagecontroller.h"

#include "models/regexptext.h"
#include "models/remoteentitiesmodel.h"
#include "workers/searchfoldersandfilesworker.h"

#include <QDebug>
#include <QTimer>

RemoteSearchPageController::RemoteSearchPageController(QObject *parent)
    : ConnectionController(parent)
    , m_model(new RemoteEntitiesModel(this))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(s_typingPauseMs);
    connect(m_timer, &QTimer::timeout, this, &RemoteSearchPageController::startSearch);
    emit entitiesModelChanged();
}

void RemoteSearchPageController::setSearchFolder(int folderId)
{
    if (m_searchFolder == folderId)
        return;
    m_searchFolder = folderId;
    emit searchFolderChanged();
}

void RemoteSearchPageController::setCancelStartLoading(bool cancel)
{
    if (m_cancelStartLoading == cancel)
        return;
    m_cancelStartLoading = cancel;
    emit cancelStartLoadingChanged();
}

void RemoteSearchPageController::performSearch(const QString &query)
{
    m_timer->stop();
    m_query = query;
    if (query.isEmpty())
        m_model->clear();
    else
        m_timer->start();
}

void RemoteSearchPageController::startSearch()
{
    if (!m_worker) {
        m_worker = new SearchFoldersAndFilesWorker(this);
        connect(m_worker, &SearchFoldersAndFilesWorker::searchResult, this,
                &RemoteSearchPageController::updateEntitiesModel);
        connect(m_worker, &Worker::workFinished, this, &RemoteSearchPageController::handleWork);
    }
    setConnectionInProgress(true);
    setConnectionFailed(false);
    m_searchedQuery = m_query;
    m_worker->search(m_query, m_searchFolder);
}

void RemoteSearchPageController::updateEntitiesModel(const QList<FolderElementEntity> &results)
{
    // The user has typed on since this search started: its answer is stale.
    if (m_searchedQuery != m_query) {
        qInfo() << "Dropping the results for" << m_searchedQuery << "while the query is" << m_query;
        return;
    }
    m_model->setEntitiesData(results);
}

void RemoteSearchPageController::handleWork(bool success, const QString &)
{
    setConnectionFailed(false);
    setConnectionInProgress(false);
    if (!success)
        setConnectionFailed(true);
}

QString RemoteSearchPageController::escapeRegExp(const QString &text) const
{
    return RegExpText::escape(text);
}

QList<int> RemoteSearchPageController::getFolderPath(int index) const
{
    return m_model->getEntity(index).pathIds;
}

QList<QString> RemoteSearchPageController::getFolderNames(int index) const
{
    return m_model->getEntity(index).pathNames;
}
