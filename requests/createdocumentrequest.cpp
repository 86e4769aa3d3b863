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
    const NetworkReplyHandler handler = post(ApiPath::v1(ApiContants::s_createDocument).toString(), body);
    if (handler.isError()) {
        logFailure("Error create document", handler);
        return failureResult(handler.errorMessage());
    }
    // The portal answers with the list of what it created: here the one document.
    const QJsonObject created = handler.replyJSON().array().at(0).toObject();
    const QVariantMap result{
        {s_successKey, true},
        {s_errorKey, handler.errorMessage()},
        {QStringLiteral("ownerId"), fieldValue(created, QStringLiteral("OwnerId"))},
        {QStringLiteral("fileId"), fieldValue(created, QStringLiteral("Id"))},
        {QStringLiteral("fileName"), fieldValue(created, QStringLiteral("Name"))},
    };
    logResult(result);
    return result;
}
