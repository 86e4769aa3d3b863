#include "restorefilerequest.h"

#include "requests/apicontants.h"

RestoreFileRequest::RestoreFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent)
    : RelocationRequest(ApiContants::s_restoreFile, fileIds, toFolderId, parent)
{
}

QVariantMap RestoreFileRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    const QString fileIdsKey = QStringLiteral("fileIds");
    if (handler.isError()) {
        logFailure("Request error", handler);
        return {{fileIdsKey, idList()}, {s_errorKey, handler.errorMessage()}};
    }
    const QVariantMap result{{s_successKey, true}, {fileIdsKey, idList()}};
    logResult(result);
    return result;
}
