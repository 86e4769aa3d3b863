#include "unsharefilerequest.h"

#include "requests/apicontants.h"

UnShareFileRequest::UnShareFileRequest(int documentId, int userId, FileAccessType::AccessType accessType, QObject *parent)
    : SingleShareRequest(Entity::Document, ApiContants::s_unshareFile, documentId, userId, accessType, parent)
{
}
