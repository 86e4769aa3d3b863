#include "searchusersworker.h"

#include "requests/searchusersrequest.h"
#include "workers/requestoutcome.h"

SearchUsersWorker::SearchUsersWorker(QObject *parent)
    : Worker(nullptr, nullptr, parent)
{
}

void SearchUsersWorker::searchUsers(const QString &text)
{
    // Typing starts a search per pause; only the newest text's answer counts.
    m_latest.start(this, new SearchUsersRequest(text), &SearchUsersWorker::handleSearchRequest);
}

void SearchUsersWorker::handleSearchRequest(const QVariantMap &result)
{
    if (!RequestOutcome::succeeded(result)) {
        emit workFinished(false, RequestOutcome::failureMessage(result));
        emit searchResult({});
        return;
    }
    QList<int> ids;
    for (const QVariant &user : result.value(QStringLiteral("users")).toList())
        ids.append(user.toMap().value(QStringLiteral("Id")).toInt());
    emit workFinished(true, QString());
    emit searchResult(ids);
}
