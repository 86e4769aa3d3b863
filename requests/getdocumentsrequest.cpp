#include "getdocumentsrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

GetDocumentsRequest::GetDocumentsRequest(int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_folderId(folderId)
{
}

QVariantMap GetDocumentsRequest::perform()
{
    const QJsonObject body{{QStringLiteral("Ids"), toJsonArray({m_folderId})}};
    return report(post(ApiPath::v1(ApiContants::s_getDocuments).toString(), body, SendingLine::Quoted),
                  "Request error", SuccessSaysError, {}, [](const NetworkReplyHandler &reply) -> std::optional<QVariantMap> {
                      const QJsonValue items =
                          NetworkReplyHandler::findJsonValue(reply.replyJSON().object(), QStringLiteral("Items"));
                      // Anything but a list would read as an empty folder and empty the cached one.
                      if (!items.isArray())
                          return std::nullopt;
                      return QVariantMap{{QStringLiteral("documents"), objectList(items)}};
                  });
}
