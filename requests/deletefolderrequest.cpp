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
    const NetworkReplyHandler handler = post(ApiPath::v1(ApiContants::s_deleteFolder).toString(), body);
    if (handler.isError()) {
        logFailure("Request error", handler);
        return failureResult(handler.errorMessage());
    }
    const QVariantMap result{
        {s_successKey, true},
        {s_errorKey, handler.errorMessage()},
        {QStringLiteral("taskId"), replyTaskId(handler)},
    };
    logResult(result);
    return result;
}
