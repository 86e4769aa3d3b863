#include "copyfolderrequest.h"

#include "requests/apicontants.h"

CopyFolderRequest::CopyFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_copyFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap CopyFolderRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {QStringLiteral("folderIds"), idList()},
        {QStringLiteral("taskId"), replyTaskId(handler)},
    };
    logResult(result);
    return result;
}
