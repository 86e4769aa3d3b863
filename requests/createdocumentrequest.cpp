#include "createdocumentrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

CreateDocumentRequest::CreateDocumentRequest(const QString &name, int directoryId, QObject *parent)
    : JsonRequest(parent)
    , m_name(name)
    , m_directoryId(directoryId)
{
}

QVariantMap CreateDocumentRequest::perform()
{
    const QJsonObject body{
        {QStringLiteral("DirectoryId"), m_directoryId},
        {QStringLiteral("Name"), m_name},
    };
    return report(post(ApiPath::v1(ApiContants::s_createDocument).toString(), body), "Error create document",
                  FailureSaysSuccess | SuccessSaysError, {}, [](const NetworkReplyHandler &reply) {
                      // The portal answers with the list of what it created: here the one document.
                      const QJsonObject created = reply.replyJSON().array().at(0).toObject();
                      return QVariantMap{
                          {QStringLiteral("ownerId"), fieldValue(created, QStringLiteral("OwnerId"))},
                          {QStringLiteral("fileId"), fieldValue(created, QStringLiteral("Id"))},
                          {QStringLiteral("fileName"), fieldValue(created, QStringLiteral("Name"))},
                      };
                  });
}
