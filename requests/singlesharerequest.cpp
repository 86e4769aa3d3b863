#include "singlesharerequest.h"

#include "requests/apipath.h"
#include "requests/logredactor.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"
#include "requests/transferreply.h"

#include <QJsonArray>

SingleShareRequest::SingleShareRequest(Entity entity, const QString &endpoint, int entityId, int userId,
                                       FileAccessType::AccessType accessType, QObject *parent)
    : RequestInterface(parent)
    , m_entity(entity)
    , m_endpoint(endpoint)
    , m_entityId(entityId)
    , m_userId(userId)
    , m_accessType(accessType)
{
}

QVariantMap SingleShareRequest::perform()
{
    // The portal takes the ids of these calls as decimal texts.
    const QJsonObject body{
        {QStringLiteral("AccessType"), FileAccessType::accessTypeToString(m_accessType)},
        {QStringLiteral("ToUserIds"), QJsonArray{QString::number(m_userId)}},
        {QStringLiteral("Ids"), QJsonArray{QString::number(m_entityId)}},
    };
    const QString path = ApiPath::v1(m_endpoint).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body);

    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.post(createRequest(path), jsonToQByteArray(body)));
    const bool isFolder = m_entity == Entity::Folder;
    const QString idKey = isFolder ? QStringLiteral("folderId") : QStringLiteral("fileId");
    // Folder calls go by the transport and the status alone, with the reply's own text.
    const bool failed = isFolder ? TransferReply::failed(handler) : handler.isError();
    if (failed) {
        const QString error = isFolder ? TransferReply::errorText(handler) : handler.errorMessage();
        qWarning().noquote() << "Request error" << error;
        return {{idKey, m_entityId}, {s_errorKey, error}};
    }
    qInfo().noquote() << "Request done" << LogRedactor::rawText(handler.body());
    const QVariantMap result{{s_successKey, true}, {idKey, m_entityId}};
    if (!isFolder)
        logResult(result);
    return result;
}
