#include "restorefilerequest.h"

#include "requests/apicontants.h"

RestoreFileRequest::RestoreFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent)
    : RelocationRequest(ApiContants::s_restoreFile, fileIds, toFolderId, parent)
{
}

QVariantMap RestoreFileRequest::perform()
{
    return report(sendRelocation(), "Request error", SuccessOnly, {{QStringLiteral("fileIds"), idList()}});
}
