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
    return report(get(path.toString()), "Error search document", FailureSaysSuccess, {},
                  [](const NetworkReplyHandler &reply) {
                      const QJsonObject found = reply.replyJSON().object();
                      const auto items = [&found](const QString &group) {
                          const QJsonObject section = NetworkReplyHandler::findJsonValue(found, group).toObject();
                          return objectList(NetworkReplyHandler::findJsonValue(section, QStringLiteral("Items")));
                      };
                      return QVariantMap{
                          {QStringLiteral("directories"), items(QStringLiteral("Directory"))},
                          {QStringLiteral("documents"), items(QStringLiteral("Document"))},
                      };
                  });
}
