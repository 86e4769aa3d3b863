#include "renamefilerequest.h"

#include "requests/apicontants.h"

RenameFileRequest::RenameFileRequest(int fileId, const QString &newName, QObject *parent)
    : RenameRequest(ApiContants::s_renameFile, fileId, newName, parent)
{
}

QVariantMap RenameFileRequest::perform()
{
    return report(sendRename(), "Request error", FailureSaysSuccess | SuccessSaysError, {},
                  [](const NetworkReplyHandler &reply) {
                      return QVariantMap{{QStringLiteral("newFileName"), replyValue(reply, QStringLiteral("Name"))}};
                  });
}
