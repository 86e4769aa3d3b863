#include "getusersinfoworker.h"

#include "database/dataaccessobject.h"
#include "requests/getusersinforequest.h"
#include "workers/requestoutcome.h"

GetUsersInfoWorker::GetUsersInfoWorker(DataAccessObject *dao, QObject *parent)
    : Worker(nullptr, dao, parent)
{
}

void GetUsersInfoWorker::loadUsersInfo(const QList<QVariant> &ids)
{
    startRequest(new GetUsersInfoRequest(ids), &GetUsersInfoWorker::handleGetUsersInfoRequest);
}

bool GetUsersInfoWorker::storeUsers(DataAccessObject *dao, const QVariantMap &response)
{
    const bool success = RequestOutcome::succeeded(response);
    if (success)
        dao->insertUsers(response.value(QStringLiteral("users")).toList());
    return success;
}

void GetUsersInfoWorker::handleGetUsersInfoRequest(const QVariantMap &response)
{
    const bool success = storeUsers(m_dao, response);
    disconnectSignals();
    emit workFinished(success, success ? QString() : RequestOutcome::failureMessage(response));
}
