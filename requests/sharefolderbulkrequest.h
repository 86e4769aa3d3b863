#pragma once

#include "requests/sharebulkrequest.h"

// Gives users and roles access to a folder.
class ShareFolderBulkRequest : public ShareBulkRequest
{
    Q_OBJECT
public:
    ShareFolderBulkRequest(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                           QObject *parent = nullptr);
};
