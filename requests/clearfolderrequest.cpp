#include "clearfolderrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

ClearFolderRequest::ClearFolderRequest(int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_folderId(folderId)
{
}

QVariantMap ClearFolderRequest::perform()
{
    const NetworkReplyHandler handler =
        get(ApiPath::v1(ApiContants::s_clearFolder).query(QStringLiteral("id"), m_folderId).toString());
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {QStringLiteral("folderId"), m_folderId},
        {QStringLiteral("taskId"), replyTaskId(handler)},
    };
    logResult(result);
    return result;
}
