#include "copyfolderrequest.h"

#include "requests/apicontants.h"

CopyFolderRequest::CopyFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_copyFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap CopyFolderRequest::perform()
{
    return report(sendRelocation(), "Request error", FailureSaysSuccess, {}, [this](const NetworkReplyHandler &reply) {
        return withTaskId(reply, {{QStringLiteral("folderIds"), idList()}});
    });
}
