#include "refreshtokenrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/authreply.h"
#include "requests/deviceidentity.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"

RefreshTokenRequest::RefreshTokenRequest(const QString &accessToken, const QString &refreshToken,
                                         const QString &portalAddress, QObject *parent)
    : RequestInterface(parent)
    , m_accessToken(accessToken)
    , m_refreshToken(refreshToken)
    , m_portalAddress(portalAddress)
{
}

QVariantMap RefreshTokenRequest::perform()
{
    if (!isOnline())
        return offlineResult();

    const QJsonObject body{
        {QStringLiteral("Token"), m_accessToken},
        {QStringLiteral("RefreshToken"), m_refreshToken},
        {QStringLiteral("DeviceId"), DeviceIdentity::uniqueId()},
    };
    const QString path = ApiPath::v2(ApiContants::s_refreshToken).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body, "Body");

    PortalExchange exchange;
    return handleRefreshReply(exchange.post(createRequest(path), jsonToQByteArray(body)));
}

QVariantMap RefreshTokenRequest::handleRefreshReply(QNetworkReply *reply) const
{
    const NetworkReplyHandler handler(reply);
    if (handler.isError()) {
        qInfo().noquote() << "Refresh request error" << handler.errorMessage();
        return failureResult(handler.errorMessage());
    }
    const AuthReply auth(handler.replyJSON());
    const QVariantMap result{
        {s_successKey, auth.isAccepted()},
        {s_errorKey, auth.failureText(tr("The portal refused to renew the session."))},
        {QStringLiteral("access_token"), auth.accessToken()},
        {QStringLiteral("refresh_token"), auth.refreshToken()},
    };
    logResult(result);
    return result;
}
