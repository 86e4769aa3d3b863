#include "sharefolderrequest.h"

#include "requests/apicontants.h"

ShareFolderRequest::ShareFolderRequest(int folderId, int userId, FileAccessType::AccessType accessType, QObject *parent)
    : SingleShareRequest(Entity::Folder, ApiContants::s_shareFolder, folderId, userId, accessType, parent)
{
}
