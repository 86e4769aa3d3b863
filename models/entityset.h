#pragma once

#include "database/folderelemententity.h"

#include <QList>
#include <QVector>

// The rows of a list, found by the equality of their entities in constant
// time. Refers to the list, which must outlive the set unchanged.
class EntitySet
{
public:
    explicit EntitySet(const QList<FolderElementEntity> &entities);

    // The first row equal to entity, or -1.
    int find(const FolderElementEntity &entity) const;
    // The first row equal to the given row (itself when none comes before).
    int firstEqual(int row) const { return m_firstEqual.at(row); }

private:
    // The fields of equality, without the time stamp, whose hash would need a
    // time zone conversion: equal entities still hash alike.
    static uint hash(const FolderElementEntity &entity);
    // The first equal row and its slot, or -1 and the free slot where it would go.
    QPair<int, int> lookUp(const FolderElementEntity &entity, uint hash) const;

    const QList<FolderElementEntity> &m_entities;
    struct Slot
    {
        uint hash;
        // Row + 1, 0 when free.
        int row;
    };

    // Open addressing; a slot holds what a probe needs in one place.
    QVector<Slot> m_slots;
    QVector<int> m_firstEqual;
};
