#include "getdocumentlinkrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetDocumentLinkRequest::GetDocumentLinkRequest(int documentId, DocumentLink::LifeTime lifeTime,
                                               DocumentLink::AccessType accessType, EntityTypes::EntityType type,
                                               QObject *parent)
    : JsonRequest(parent)
    , m_documentId(documentId)
    , m_lifeTime(lifeTime)
    , m_accessType(accessType)
    , m_type(type)
{
}

QVariantMap GetDocumentLinkRequest::perform()
{
    const NetworkReplyHandler handler = get(ApiPath::v1(ApiContants::s_getDocumentLink)
                                                .query(QStringLiteral("Id"), m_documentId)
                                                .query(QStringLiteral("type"), int(m_type))
                                                .query(QStringLiteral("lifetime"), int(m_lifeTime))
                                                .query(QStringLiteral("accessType"), int(m_accessType))
                                                .toString());
    return report(handler, "Error get document link", FailureSaysSuccess | SuccessSaysError, {},
                  [](const NetworkReplyHandler &reply) {
                      const DocumentLink::Link link = DocumentLink::Link::fromReply(reply.replyJSON());
                      return QVariantMap{
                          {QStringLiteral("uri"), link.uri},
                          {QStringLiteral("link"), link.link},
                          {QStringLiteral("uid"), link.uid},
                          {QStringLiteral("jwt"), link.jwt},
                          {QStringLiteral("userId"), link.userId},
                          {QStringLiteral("version"), link.version},
                      };
                  });
}
