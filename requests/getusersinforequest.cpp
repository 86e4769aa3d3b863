#include "getusersinforequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

GetUsersInfoRequest::GetUsersInfoRequest(const QList<QVariant> &userIds, QObject *parent)
    : JsonRequest(parent)
    , m_userIds(userIds)
{
}

QVariantMap GetUsersInfoRequest::perform()
{
    // Ids read back from the cache may come as text; the portal takes numbers.
    QList<int> ids;
    ids.reserve(m_userIds.size());
    for (const QVariant &id : qAsConst(m_userIds))
        ids.append(id.toInt());
    const QJsonObject body{{QStringLiteral("Ids"), toJsonArray(ids)}};
    return report(post(ApiPath::v1(ApiContants::s_getUsers).toString(), body), "Request error", SuccessSaysError,
                  {}, [](const NetworkReplyHandler &reply) {
                      return QVariantMap{{QStringLiteral("users"), replyObjects(reply)}};
                  });
}
