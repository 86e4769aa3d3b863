#include "movefilerequest.h"

#include "requests/apicontants.h"

MoveFileRequest::MoveFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent)
    : RelocationRequest(ApiContants::s_moveFile, fileIds, toFolderId, parent)
{
}

QVariantMap MoveFileRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    if (handler.isError()) {
        logFailure("Request error", handler);
        return errorOnlyResult(handler.errorMessage());
    }
    const QVariantMap result{{s_successKey, true}};
    logResult(result);
    return result;
}
