#include "movefolderrequest.h"

#include "requests/apicontants.h"

MoveFolderRequest::MoveFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_moveFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap MoveFolderRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {QStringLiteral("folderIds"), idList()},
        {QStringLiteral("taskId"), replyValue(handler, QStringLiteral("TaskId"))},
    };
    logResult(result);
    return result;
}
