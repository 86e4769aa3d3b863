#include "getserversettingsrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"
#include "requests/networkreplyhandler.h"
#include "requests/portalexchange.h"

GetServerSettingsRequest::GetServerSettingsRequest(QObject *parent)
    : RequestInterface(parent)
{
}

QVariantMap GetServerSettingsRequest::perform()
{
    const QString path = ApiPath::v1(ApiContants::s_getSettings).toString();
    qInfo().noquote() << "Sending request GET" << path;

    PortalExchange exchange;
    const NetworkReplyHandler handler(exchange.get(createRequest(path)));
    if (handler.isError()) {
        qInfo().noquote() << "Error get server settings" << handler.errorMessage();
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {QStringLiteral("documentServer"),
         NetworkReplyHandler::findJsonValue(handler.replyJSON().object(), QStringLiteral("DocumentServer")).toVariant()},
    };
    logResult(result);
    return result;
}
