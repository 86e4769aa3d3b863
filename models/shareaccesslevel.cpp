#include "shareaccesslevel.h"

namespace ShareAccessLevel {

qint16 toPortal(int dialogLevel)
{
    return qint16(dialogLevel + 1);
}

qint16 fromPortal(int portalLevel)
{
    return qint16(portalLevel - 1);
}

QList<UserOrRoleEntity> toPortal(QList<UserOrRoleEntity> entities)
{
    for (UserOrRoleEntity &entity : entities)
        entity.access = toPortal(entity.access);
    return entities;
}

} // namespace ShareAccessLevel
