#include "searchusersrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

SearchUsersRequest::SearchUsersRequest(const QString &searchText, QObject *parent)
    : JsonRequest(parent)
    , m_searchText(searchText)
{
}

QVariantMap SearchUsersRequest::perform()
{
    const NetworkReplyHandler handler = post(ApiPath::v1(ApiContants::s_searchUsers).toString(),
                                             {{QStringLiteral("Query"), m_searchText}});
    return report(handler, "Search users error", FailureSaysSuccess, {}, [](const NetworkReplyHandler &reply) {
        return QVariantMap{{QStringLiteral("users"), replyObjects(reply)}};
    });
}
