#include "userregisterrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"

UserRegisterRequest::UserRegisterRequest(QString email, const QString &password, const QString &firstName,
                                         const QString &surname, QObject *parent)
    : RequestInterface(parent)
    , m_email(std::move(email))
    , m_password(password)
    , m_firstName(firstName)
    , m_surname(surname)
{
}

QVariantMap UserRegisterRequest::perform()
{
    const QJsonObject body{
        {QStringLiteral("Phone"), QString()},
        {QStringLiteral("Email"), m_email},
        {QStringLiteral("UserPassword"), m_password},
        {QStringLiteral("FirstName"), m_firstName},
        {QStringLiteral("Surname"), m_surname},
        {QStringLiteral("Application"), QStringLiteral("aurora")},
    };
    const QString path = ApiPath::v2(ApiContants::s_userRegister).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body);

    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.post(createRequest(path), jsonToQByteArray(body)));
    const QVariantMap result{{s_successKey, !handler.isError()}, {s_errorKey, handler.isError() ? handler.errorMessage() : QString()}};
    logResult(result);
    return result;
}
