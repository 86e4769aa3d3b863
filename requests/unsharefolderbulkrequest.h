#pragma once

#include "requests/sharebulkrequest.h"

// Takes the access of users and roles to a folder away.
class UnShareFolderBulkRequest : public ShareBulkRequest
{
    Q_OBJECT
public:
    UnShareFolderBulkRequest(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                             QObject *parent = nullptr);
};
