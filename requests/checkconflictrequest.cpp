#include "checkconflictrequest.h"

#include "requests/apicontants.h"

CheckConflictRequest::CheckConflictRequest(int toFolderId, const QList<int> &folderIds, QObject *parent)
    : RelocationRequest(ApiContants::s_checkConflict, folderIds, toFolderId, parent)
{
}

QVariantMap CheckConflictRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {QStringLiteral("folderIds"), idList()},
        {QStringLiteral("conflict"), replyValue(handler, QStringLiteral("Conflict")).toBool()},
    };
    logResult(result);
    return result;
}
