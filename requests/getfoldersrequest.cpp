#include "getfoldersrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetFoldersRequest::GetFoldersRequest(int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_folderId(folderId)
{
}

QVariantMap GetFoldersRequest::perform()
{
    ApiPath path = ApiPath::v1(ApiContants::s_getFolders);
    if (m_folderId >= 1)
        path.query(QStringLiteral("id"), m_folderId);
    return report(get(path.toString(), SendingLine::Quoted), "Request error", SuccessSaysError, {},
                  [](const NetworkReplyHandler &reply) -> std::optional<QVariantMap> {
                      // Anything but a list would read as an empty folder and empty the cached one.
                      if (!reply.replyJSON().isArray())
                          return std::nullopt;
                      return QVariantMap{{QStringLiteral("folders"), replyObjects(reply)}};
                  });
}
