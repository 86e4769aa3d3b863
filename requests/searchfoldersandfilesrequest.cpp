#include "searchfoldersandfilesrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

SearchFoldersAndFilesRequest::SearchFoldersAndFilesRequest(const QString &text, int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_text(text)
    , m_folderId(folderId)
{
}

QVariantMap SearchFoldersAndFilesRequest::perform()
{
    ApiPath path = ApiPath::v1(ApiContants::s_searchFolder);
    path.query(QStringLiteral("text"), m_text);
    if (m_folderId >= 1)
        path.query(QStringLiteral("id"), m_folderId);

    const NetworkReplyHandler handler = get(path.toString());
    if (handler.isError()) {
        logFailure("Error search document", handler);
        return failureResult(handler.errorMessage());
    }
    const QJsonObject reply = handler.replyJSON().object();
    const auto items = [&reply](const QString &group) {
        const QJsonObject section = NetworkReplyHandler::findJsonValue(reply, group).toObject();
        return objectList(NetworkReplyHandler::findJsonValue(section, QStringLiteral("Items")));
    };
    const QVariantMap result{
        {s_successKey, true},
        {QStringLiteral("directories"), items(QStringLiteral("Directory"))},
        {QStringLiteral("documents"), items(QStringLiteral("Document"))},
    };
    logResult(result);
    return result;
}
