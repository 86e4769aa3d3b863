#include "restorefolderrequest.h"

#include "requests/apicontants.h"

RestoreFolderRequest::RestoreFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_restoreFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap RestoreFolderRequest::perform()
{
    const NetworkReplyHandler handler = sendRelocation();
    const QString folderIdsKey = QStringLiteral("folderIds");
    if (handler.isError()) {
        logFailure("Request error", handler);
        return {{folderIdsKey, idList()}, {s_errorKey, handler.errorMessage()}};
    }
    const QVariantMap result{{s_successKey, true}, {folderIdsKey, idList()}};
    logResult(result);
    return result;
}
