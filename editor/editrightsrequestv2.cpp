#include "editrightsrequestv2.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

EditRightsRequestV2::EditRightsRequestV2(int documentId, const QString &uid, QObject *parent)
    : JsonRequest(parent)
    , m_documentId(documentId)
    , m_uid(uid)
{
}

QVariantMap EditRightsRequestV2::perform()
{
    ApiPath path = ApiPath::v1(ApiContants::s_editRights);
    if (m_documentId >= 1)
        path.query(QStringLiteral("Id"), m_documentId);
    else
        path.query(QStringLiteral("Uid"), m_uid);
    path.query(QStringLiteral("editorType"), "mobile");

    return report(get(path.toString()), "Error get edit rights", FailureSaysSuccess, {},
                  [](const NetworkReplyHandler &reply) {
                      return QVariantMap{{QStringLiteral("json"), QVariant::fromValue(reply.replyJSON())}};
                  });
}
