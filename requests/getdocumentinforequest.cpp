#include "getdocumentinforequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

GetDocumentInfoRequest::GetDocumentInfoRequest(int documentId, QObject *parent)
    : JsonRequest(parent)
    , m_documentId(documentId)
{
}

QVariantMap GetDocumentInfoRequest::perform()
{
    const QString path = ApiPath::v1(ApiContants::s_getDocumentInfo).query(QStringLiteral("Id"), m_documentId).toString();
    return report(get(path), "Error get document info", FailureSaysSuccess | SuccessSaysError, {},
                  [](const NetworkReplyHandler &reply) {
                      return QVariantMap{{QStringLiteral("info"), reply.replyJSON().object().toVariantMap()}};
                  });
}
