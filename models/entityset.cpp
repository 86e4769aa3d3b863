#include "entityset.h"

#include <QHash>

EntitySet::EntitySet(const QList<FolderElementEntity> &entities)
    : m_entities(entities)
{
    // At most half full, so that probes stay short.
    int capacity = 16;
    while (capacity < 2 * entities.size())
        capacity *= 2;
    m_slots.fill({0, 0}, capacity);
    m_firstEqual.reserve(entities.size());
    for (int row = 0; row < entities.size(); ++row) {
        const uint entityHash = hash(entities.at(row));
        const QPair<int, int> found = lookUp(entities.at(row), entityHash);
        if (found.first < 0)
            m_slots[found.second] = {entityHash, row + 1};
        m_firstEqual.append(found.first < 0 ? row : found.first);
    }
}

int EntitySet::find(const FolderElementEntity &entity) const
{
    return lookUp(entity, hash(entity)).first;
}

uint EntitySet::hash(const FolderElementEntity &entity)
{
    const uint flags = uint(entity.isFavorite) | uint(entity.busy) << 1 | uint(entity.selected) << 2
        | uint(entity.isShared) << 3;
    return qHash(entity.name, qHash(entity.id, flags));
}

QPair<int, int> EntitySet::lookUp(const FolderElementEntity &entity, uint hash) const
{
    const int mask = m_slots.size() - 1;
    for (int slot = int(hash) & mask;; slot = (slot + 1) & mask) {
        const Slot &probed = m_slots.at(slot);
        if (probed.row == 0)
            return {-1, slot};
        if (probed.hash == hash && m_entities.at(probed.row - 1) == entity)
            return {probed.row - 1, slot};
    }
}
