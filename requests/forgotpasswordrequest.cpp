#include "forgotpasswordrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"

ForgotPasswordRequest::ForgotPasswordRequest(const QString &login, QObject *parent)
    : RequestInterface(parent)
    , m_login(login)
{
}

QVariantMap ForgotPasswordRequest::perform()
{
    const QJsonObject body{{QStringLiteral("Login"), m_login}};
    const QString path = ApiPath::v2(ApiContants::s_forgot).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body);

    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.post(createRequest(path), jsonToQByteArray(body)));
    // A refusal explains itself under "Response" too, so it is read either way.
    const QJsonObject reply = QJsonDocument::fromJson(handler.body()).object();
    const QVariantMap result{
        {s_successKey, !handler.isError()},
        {s_errorKey, handler.isError() ? handler.errorMessage() : QString()},
        {QStringLiteral("data"), NetworkReplyHandler::findJsonValue(reply, QStringLiteral("Response")).toVariant()},
    };
    logResult(result);
    return result;
}
