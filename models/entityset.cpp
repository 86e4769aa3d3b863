#include "entityset.h"

#include <QHash>

EntitySet::EntitySet(const QList<FolderElementEntity> &entities)
{
    m_entities.reserve(size_t(entities.size()));
    for (const FolderElementEntity &entity : entities)
        m_entities.insert(&entity);
}

bool EntitySet::contains(const FolderElementEntity &entity) const
{
    return m_entities.count(&entity) > 0;
}

size_t EntitySet::Hash::operator()(const FolderElementEntity *entity) const
{
    const uint flags = uint(entity->isFavorite) | uint(entity->busy) << 1 | uint(entity->selected) << 2
        | uint(entity->isShared) << 3;
    return qHash(entity->name, qHash(entity->id, flags));
}
