#include "getentityshareinforequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetEntityShareInfoRequest::GetEntityShareInfoRequest(int entityId, EntityTypes::EntityType type, QObject *parent)
    : JsonRequest(parent)
    , m_entityId(entityId)
    , m_type(type)
{
}

QVariantMap GetEntityShareInfoRequest::perform()
{
    const NetworkReplyHandler handler = get(ApiPath::v1(ApiContants::s_share)
                                                .query(QStringLiteral("entityId"), m_entityId)
                                                .query(QStringLiteral("entityType"), EntityTypes::entityToString(m_type))
                                                .toString());
    return report(handler, "Get share info error", FailureSaysSuccess, {}, [](const NetworkReplyHandler &reply) {
        const auto list = [&reply](const char *key) { return replyValue(reply, QString::fromLatin1(key)).toList(); };
        return QVariantMap{
            {QStringLiteral("roles"), list("RoleAccessRights")},
            {QStringLiteral("users"), list("UserAccessRights")},
            {QStringLiteral("links"), list("SharedLinks")},
        };
    });
}
