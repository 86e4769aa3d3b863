#include "unsharedocumentbulkrequest.h"

#include "requests/apicontants.h"

UnShareDocumentBulkRequest::UnShareDocumentBulkRequest(int entityId, const QList<UserOrRoleEntity> &users,
                                                       const QList<UserOrRoleEntity> &roles, QObject *parent)
    : ShareBulkRequest(ApiContants::s_documentUnShareBulk, entityId, users, roles, parent)
{
}
