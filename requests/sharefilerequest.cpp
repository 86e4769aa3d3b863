#include "sharefilerequest.h"

#include "requests/apicontants.h"

ShareFileRequest::ShareFileRequest(int documentId, int userId, FileAccessType::AccessType accessType, QObject *parent)
    : SingleShareRequest(Entity::Document, ApiContants::s_shareFile, documentId, userId, accessType, parent)
{
}
