#include "clearfolderrequest.h"

#include "requests/apicontants.h"
#include "requests/apipath.h"

ClearFolderRequest::ClearFolderRequest(int folderId, QObject *parent)
    : JsonRequest(parent)
    , m_folderId(folderId)
{
}

QVariantMap ClearFolderRequest::perform()
{
    const QString path = ApiPath::v1(ApiContants::s_clearFolder).query(QStringLiteral("id"), m_folderId).toString();
    return report(get(path), "Request error", FailureSaysSuccess, {}, [this](const NetworkReplyHandler &reply) {
        return withTaskId(reply, {{QStringLiteral("folderId"), m_folderId}});
    });
}
