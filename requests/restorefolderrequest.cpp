#include "restorefolderrequest.h"

#include "requests/apicontants.h"

RestoreFolderRequest::RestoreFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_restoreFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap RestoreFolderRequest::perform()
{
    return report(sendRelocation(), "Request error", SuccessOnly, {{QStringLiteral("folderIds"), idList()}});
}
