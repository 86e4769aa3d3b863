#include "unsharefolderrequest.h"

#include "requests/apicontants.h"

UnShareFolderRequest::UnShareFolderRequest(int folderId, int userId, FileAccessType::AccessType accessType, QObject *parent)
    : SingleShareRequest(Entity::Folder, ApiContants::s_unshareFolder, folderId, userId, accessType, parent)
{
}
