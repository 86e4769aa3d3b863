#include "database/folderelemententity.h"

bool FolderElementEntity::operator==(const FolderElementEntity &other) const
{
    return id == other.id && timestamp == other.timestamp && name == other.name && isFavorite == other.isFavorite
        && busy == other.busy && selected == other.selected && isShared == other.isShared;
}

QDebug operator<<(QDebug debug, const FolderElementEntity &entity)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "[ " << entity.name << " : " << entity.id << " : " << (entity.isShared ? "shared" : "no shared")
                    << " : " << (entity.busy ? "busy" : "no busy") << " : "
                    << (entity.isFavorite ? "favorite" : "no favorite") << " ]";
    return debug;
}
