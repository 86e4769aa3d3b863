#include "sharefolderbulkrequest.h"

#include "requests/apicontants.h"

ShareFolderBulkRequest::ShareFolderBulkRequest(int entityId, const QList<UserOrRoleEntity> &users,
                                               const QList<UserOrRoleEntity> &roles, QObject *parent)
    : ShareBulkRequest(ApiContants::s_folderShareBulk, entityId, users, roles, parent)
{
}
