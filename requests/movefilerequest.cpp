#include "movefilerequest.h"

#include "requests/apicontants.h"

MoveFileRequest::MoveFileRequest(const QList<int> &fileIds, int toFolderId, QObject *parent)
    : RelocationRequest(ApiContants::s_moveFile, fileIds, toFolderId, parent)
{
}

QVariantMap MoveFileRequest::perform()
{
    return report(sendRelocation(), "Request error", SuccessOnly);
}
