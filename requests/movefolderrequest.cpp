#include "movefolderrequest.h"

#include "requests/apicontants.h"

MoveFolderRequest::MoveFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_moveFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap MoveFolderRequest::perform()
{
    // The task id goes on as the portal sent it.
    return report(sendRelocation(), "Request error", FailureSaysSuccess, {}, [this](const NetworkReplyHandler &reply) {
        return QVariantMap{{QStringLiteral("folderIds"), idList()},
                           {QStringLiteral("taskId"), replyValue(reply, QStringLiteral("TaskId"))}};
    });
}
