#pragma once

#include "database/userorroleentity.h"

#include <QJsonArray>
#include <QList>

// The body of the bulk share and unshare calls.
class ShareBulk
{
public:
    // One object per distinct access level, in the order the levels first
    // appear (users before roles): "AccessType", "Ids" (the entity id), and
    // "ToUserIds" / "ToRoleIds" with the principals of that level, each key
    // left out when it has none. Unsharing sends the levels principals had.
    static QJsonArray makeArray(int entityId, const QList<UserOrRoleEntity> &users,
                                const QList<UserOrRoleEntity> &roles);
};
