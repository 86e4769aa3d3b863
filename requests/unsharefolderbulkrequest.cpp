#include "unsharefolderbulkrequest.h"

#include "requests/apicontants.h"

UnShareFolderBulkRequest::UnShareFolderBulkRequest(int entityId, const QList<UserOrRoleEntity> &users,
                                                   const QList<UserOrRoleEntity> &roles, QObject *parent)
    : ShareBulkRequest(ApiContants::s_folderUnShareBulk, entityId, users, roles, parent)
{
}
