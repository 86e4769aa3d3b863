#include "getdocumentsrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetDocumentsRequest::GetDocumentsRequest(int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_folderId(folderId)
{
}

QVariantMap GetDocumentsRequest::perform()
{
    const QJsonObject body{{QStringLiteral("Ids"), toJsonArray({m_folderId})}};
    const NetworkReplyHandler handler =
        post(ApiPath::v1(ApiContants::s_getDocuments).toString(), body, SendingLine::Quoted);
    if (handler.isError()) {
        logFailure("Request error", handler);
        return errorOnlyResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {s_errorKey, handler.errorMessage()},
        {QStringLiteral("documents"),
         objectList(NetworkReplyHandler::findJsonValue(handler.replyJSON().object(), QStringLiteral("Items")))},
    };
    logResult(result);
    return result;
}
