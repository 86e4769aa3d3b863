#include "movetotrashfilerequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

MoveToTrashFileRequest::MoveToTrashFileRequest(const QList<int> &fileIds, QObject *parent)
    : JsonRequest(parent)
    , m_fileIds(fileIds)
{
}

QVariantMap MoveToTrashFileRequest::perform()
{
    const QJsonObject body{{QStringLiteral("Ids"), toJsonArray(m_fileIds)}};
    const NetworkReplyHandler handler = post(ApiPath::v1(ApiContants::s_moveFileToTrash).toString(), body);
    const QString fileIdsKey = QStringLiteral("fileIds");
    if (handler.isError()) {
        logFailure("Request error", handler);
        return {{fileIdsKey, toVariantList(m_fileIds)}, {s_errorKey, handler.errorMessage()}};
    }
    const QVariantMap result{{s_successKey, true}, {fileIdsKey, toVariantList(m_fileIds)}};
    logResult(result);
    return result;
}
