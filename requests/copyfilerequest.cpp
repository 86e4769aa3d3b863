#include "copyfilerequest.h"

#include "requests/apicontants.h"

CopyFileRequest::CopyFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent)
    : RelocationRequest(ApiContants::s_copyFile, fileIds, toFolderId, parent)
{
}

QVariantMap CopyFileRequest::perform()
{
    return report(sendRelocation(), "Request error", FailureSaysSuccess | SuccessSaysError, {},
                  [](const NetworkReplyHandler &reply) {
                      return QVariantMap{{QStringLiteral("copiedFiles"), replyObjects(reply)}};
                  });
}
