#include "copyfilerequest.h"

#include "requests/apicontants.h"

CopyFileRequest::CopyFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent)
    : RelocationRequest(ApiContants::s_copyFile, fileIds, toFolderId, parent)
{
}

QVariantMap CopyFileRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {s_errorKey, handler.errorMessage()},
        {QStringLiteral("copiedFiles"), replyObjects(handler)},
    };
    logResult(result);
    return result;
}
