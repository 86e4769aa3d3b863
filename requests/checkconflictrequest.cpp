#include "checkconflictrequest.h"

#include "requests/apicontants.h"

CheckConflictRequest::CheckConflictRequest(int toFolderId, const QList<int> &folderIds, QObject *parent)
    : RelocationRequest(ApiContants::s_checkConflict, folderIds, toFolderId, parent)
{
}

QVariantMap CheckConflictRequest::perform()
{
    return report(sendRelocation(), "Request error", FailureSaysSuccess, {}, [this](const NetworkReplyHandler &reply) {
        return QVariantMap{{QStringLiteral("folderIds"), idList()},
                           {QStringLiteral("conflict"), replyValue(reply, QStringLiteral("Conflict")).toBool()}};
    });
}
