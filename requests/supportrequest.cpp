#include "supportrequest.h"

#include "app/applicationversion.h"
#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"

SupportRequest::SupportRequest(const SupportData &data, QObject *parent)
    : RequestInterface(parent)
    , m_data(data)
{
}

QVariantMap SupportRequest::perform()
{
    const QJsonObject body{
        {QStringLiteral("Login"), m_data.email},
        {QStringLiteral("Subject"), m_data.subject},
        {QStringLiteral("Text"), m_data.text},
        {QStringLiteral("Version"), ApplicationVersion::version()},
    };
    const QString path = ApiPath::v1(ApiContants::s_supportFeedback).toString();
    qInfo().noquote() << "Sending request POST" << path;
    logBody(body);

    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.post(portalRequest(path), jsonToQByteArray(body)));
    return {{s_successKey, !handler.isError()}, {s_errorKey, handler.isError() ? handler.errorMessage() : QString()}};
}
