#include "movefolderrequest.h"

#include "requests/apicontants.h"

MoveFolderRequest::MoveFolderRequest(const QList<int> &folderIds, int toFolderId, CopyFolderFlags::Flags flag, QObject *parent)
    : RelocationRequest(ApiContants::s_moveFolder, folderIds, toFolderId, flag, parent)
{
}

QVariantMap MoveFolderRequest::perform()
{
    return report(sendRelocation(), "Request error", FailureSaysSuccess, {},
                  [this](const NetworkReplyHandler &reply) -> std::optional<QVariantMap> {
                      if (!replyTaskId(reply))
                          return std::nullopt;
                      // The task id goes on as the portal sent it.
                      return QVariantMap{{QStringLiteral("folderIds"), idList()},
                                         {QStringLiteral("taskId"), replyValue(reply, QStringLiteral("TaskId"))}};
                  });
}
