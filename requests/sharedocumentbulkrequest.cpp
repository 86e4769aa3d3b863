#include "sharedocumentbulkrequest.h"

#include "requests/apicontants.h"

ShareDocumentBulkRequest::ShareDocumentBulkRequest(int entityId, const QList<UserOrRoleEntity> &users,
                                                   const QList<UserOrRoleEntity> &roles, QObject *parent)
    : ShareBulkRequest(ApiContants::s_documentShareBulk, entityId, users, roles, parent)
{
}
