#pragma once

#include "database/folderelemententity.h"

#include <QList>

#include <unordered_set>

// The entities of a list, found by equality in constant time. Refers to the
// list's elements, which must outlive the set unchanged.
class EntitySet
{
public:
    explicit EntitySet(const QList<FolderElementEntity> &entities);

    bool contains(const FolderElementEntity &entity) const;

private:
    struct Hash
    {
        // The fields of equality, without the time stamp, whose hash would
        // need a time zone conversion: equal entities still hash alike.
        size_t operator()(const FolderElementEntity *entity) const;
    };
    struct Equal
    {
        bool operator()(const FolderElementEntity *left, const FolderElementEntity *right) const
        {
            return *left == *right;
        }
    };

    std::unordered_set<const FolderElementEntity *, Hash, Equal> m_entities;
};
