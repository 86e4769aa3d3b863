#include "clearfavoritesworker.h"

#include "database/dataaccessobject.h"
#include "requests/clearfavoritesrequest.h"
#include "workers/requestoutcome.h"

ClearFavoritesWorker::ClearFavoritesWorker(DataAccessObject *dao, QObject *parent)
    : Worker(nullptr, dao, parent)
{
}

void ClearFavoritesWorker::clearFavorites()
{
    startRequest(new ClearFavoritesRequest(), &ClearFavoritesWorker::handleClearFavoritesRequest);
}

void ClearFavoritesWorker::handleClearFavoritesRequest(const QVariantMap &result)
{
    const bool success = RequestOutcome::succeeded(result);
    if (success)
        m_dao->clearFavorites();
    emit workFinished(success, RequestOutcome::finishMessage(result));
}
