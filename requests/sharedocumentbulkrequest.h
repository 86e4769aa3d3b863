#pragma once

#include "requests/sharebulkrequest.h"

// Gives users and roles access to a document.
class ShareDocumentBulkRequest : public ShareBulkRequest
{
    Q_OBJECT
public:
    ShareDocumentBulkRequest(int entityId, const QList<UserOrRoleEntity> &users, const QList<UserOrRoleEntity> &roles,
                             QObject *parent = nullptr);
};
