#include "authrequest.h"

#include "app/applicationversion.h"
#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/authreply.h"
#include "requests/deviceidentity.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"

AuthRequest::AuthRequest(const QString &login, const QString &password, QObject *parent)
    : RequestInterface(parent)
    , m_login(login)
    , m_password(password)
{
}

QVariantMap AuthRequest::perform()
{
    if (!isOnline())
        return offlineResult();

    const QJsonObject body{
        {QStringLiteral("Login"), m_login},
        {QStringLiteral("Password"), m_password},
        {QStringLiteral("DeviceId"), DeviceIdentity::uniqueId()},
        {QStringLiteral("ApplicationVersion"), ApplicationVersion::version()},
        {QStringLiteral("OsVersion"), DeviceIdentity::osVersion()},
    };
    const QString path = ApiPath::v2(ApiContants::s_authentificate).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body);

    PortalExchange exchange;
    return handleAuthReply(exchange.post(createRequest(path), jsonToQByteArray(body)));
}

QVariantMap AuthRequest::handleAuthReply(QNetworkReply *reply) const
{
    const NetworkReplyHandler handler(reply);
    if (handler.isError())
        return {{s_errorKey, handler.errorMessage()}};

    const AuthReply auth(handler.replyJSON());
    const QJsonObject &user = auth.user();
    const auto userText = [&user](const char *key) {
        return NetworkReplyHandler::findJsonValue(user, QString::fromLatin1(key)).toString();
    };
    const QVariantMap result{
        {s_successKey, auth.isAccepted()},
        {s_errorKey, auth.failureText(tr("The portal refused the sign-in."))},
        {QStringLiteral("access_token"), auth.accessToken()},
        {QStringLiteral("refresh_token"), auth.refreshToken()},
        {QStringLiteral("user_id"), NetworkReplyHandler::findJsonValue(user, QStringLiteral("Id")).toInt()},
        {QStringLiteral("user_login"), userText("Login")},
        {QStringLiteral("user_email"), userText("Email")},
        {QStringLiteral("user_name"), userText("Name")},
        {QStringLiteral("user_surname"), userText("Surname")},
        {QStringLiteral("user_first_name"), userText("FirstName")},
        {QStringLiteral("user_middle_name"), userText("MiddleName")},
        {QStringLiteral("user_company"), userText("Company")},
    };
    logResult(result);
    return result;
}
