#include "database/userorroleentity.h"

QDebug operator<<(QDebug debug, const UserOrRoleEntity &entity)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "[" << entity.id << ":" << (entity.isGroup ? "true" : "false") << ":" << entity.name << "]";
    return debug;
}
