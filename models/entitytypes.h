#pragma once

#include <QObject>
#include <QString>

// The portal's kinds of entity, as its numeric codes.
class EntityTypes : public QObject
{
    Q_OBJECT
public:
    // 13 is a code the portal does not use.
    enum EntityType {
        Unknown = 0,
        File = 1,
        Document = 2,
        Directory = 3,
        Customer = 4,
        User = 5,
        Favorite = 6,
        Event = 7,
        Call = 8,
        Visitor = 9,
        Reception = 10,
        Birthday = 11,
        Meeting = 12,
        Calendar = 14,
        Contact = 15,
        Application = 16,
        UserGroup = 17,
        ClientApplication = 18,
        OfflineDocument = 19
    };
    Q_ENUM(EntityType)

    // The portal's name of the kind in queries; empty for a code it has no name for.
    static QString entityToString(EntityType type);
};
