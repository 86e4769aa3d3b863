#pragma once

#include "requests/sharebulkrequest.h"

// Takes the access of users and roles to a document away.
class UnShareDocumentBulkRequest : public ShareBulkRequest
{
    Q_OBJECT
public:
    UnShareDocumentBulkRequest(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                               QObject *parent = nullptr);
};
