#include "getfolderlinkrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetFolderLinkRequest::GetFolderLinkRequest(int entityId, DocumentLink::LifeTime lifeTime,
                                           DocumentLink::AccessType accessType, EntityTypes::EntityType type,
                                           QObject *parent)
    : JsonRequest(parent)
    , m_entityId(entityId)
    , m_lifeTime(lifeTime)
    , m_accessType(accessType)
    , m_type(type)
{
}

QVariantMap GetFolderLinkRequest::perform()
{
    const NetworkReplyHandler handler = get(ApiPath::v1(ApiContants::s_getFolderLink)
                                                .query(QStringLiteral("Id"), m_entityId)
                                                .query(QStringLiteral("lifetime"), int(m_lifeTime))
                                                .query(QStringLiteral("accessType"), int(m_accessType))
                                                .query(QStringLiteral("type"), int(m_type))
                                                .toString());
    return report(handler, "Error get document link", FailureSaysSuccess, {}, [](const NetworkReplyHandler &reply) {
        const DocumentLink::Link link = DocumentLink::Link::fromReply(reply.replyJSON());
        return QVariantMap{
            {QStringLiteral("uri"), link.uri},
            {QStringLiteral("link"), link.link},
            {QStringLiteral("uid"), link.uid},
        };
    });
}
