#include "getfoldersrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetFoldersRequest::GetFoldersRequest(int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_folderId(folderId)
{
}

QVariantMap GetFoldersRequest::perform()
{
    ApiPath path = ApiPath::v1(ApiContants::s_getFolders);
    if (m_folderId >= 1)
        path.query(QStringLiteral("id"), m_folderId);

    const NetworkReplyHandler handler = get(path.toString(), SendingLine::Quoted);
    if (handler.isError()) {
        logFailure("Request error", handler);
        return errorOnlyResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {s_errorKey, handler.errorMessage()},
        {QStringLiteral("folders"), replyObjects(handler)},
    };
    logResult(result);
    return result;
}
