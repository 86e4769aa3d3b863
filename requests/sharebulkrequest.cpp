#include "sharebulkrequest.h"

#include "requests/apipath.h"
#include "requests/portalexchange.h"
#include "requests/sharebulk.h"

ShareBulkRequest::ShareBulkRequest(const QString &endpoint, int entityId, const QList<UserOrRoleEntity> &users,
                                   const QList<UserOrRoleEntity> &roles, QObject *parent)
    : JsonRequest(parent)
    , m_endpoint(endpoint)
    , m_entityId(entityId)
    , m_users(users)
    , m_roles(roles)
{
}

QVariantMap ShareBulkRequest::perform()
{
    const QJsonDocument body(ShareBulk::makeArray(m_entityId, m_users, m_roles));
    const QString path = ApiPath::v1(m_endpoint).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body);

    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.post(createRequest(path), body.toJson(QJsonDocument::Compact)));
    if (handler.isError())
        return failureResult(handler.errorMessage());
    const QVariantMap result{{s_successKey, true},
                             {QStringLiteral("users"), replyObjects(handler)}};
    logResult(result);
    return result;
}
