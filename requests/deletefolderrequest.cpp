#include "deletefolderrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

DeleteFolderRequest::DeleteFolderRequest(const QList<int> &folderIds, QObject *parent)
    : JsonRequest(parent)
    , m_folderIds(folderIds)
{
}

QVariantMap DeleteFolderRequest::perform()
{
    const QJsonObject body{{QStringLiteral("Ids"), toJsonArray(m_folderIds)}};
    return report(post(ApiPath::v1(ApiContants::s_deleteFolder).toString(), body), "Request error",
                  FailureSaysSuccess | SuccessSaysError, {},
                  [](const NetworkReplyHandler &reply) { return withTaskId(reply); });
}
