#include "createfolderrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

#include <QJsonObject>

CreateFolderRequest::CreateFolderRequest(const QString &name, int parentId, bool isPublic, QObject *parent)
    : JsonRequest(parent)
    , m_name(name)
    , m_parentId(parentId)
    , m_isPublic(isPublic)
{
}

QVariantMap CreateFolderRequest::perform()
{
    // The portal wants every field of a folder; the ones the client does not
    // set go as empty texts.
    const QJsonObject body{
        {QStringLiteral("Name"), m_name},
        {QStringLiteral("Description"), QString()},
        {QStringLiteral("Order"), 100},
        {QStringLiteral("Type"), m_isPublic ? QStringLiteral("Public") : QStringLiteral("Default")},
        {QStringLiteral("IconId"), QString()},
        {QStringLiteral("RoleIds"), QString()},
        {QStringLiteral("UserIds"), QString()},
        {QStringLiteral("ParentId"), m_parentId},
    };
    return report(post(ApiPath::v1(ApiContants::s_createFolder).toString(), body), "Request error",
                  FailureSaysSuccess | SuccessSaysError, {}, [](const NetworkReplyHandler &reply) {
                      return QVariantMap{
                          {QStringLiteral("folderId"), replyValue(reply, QStringLiteral("Id"))},
                          {QStringLiteral("folderName"), replyValue(reply, QStringLiteral("Name"))},
                      };
                  });
}
