#pragma once

#include <QObject>
#include <QString>

// What the portal does when a folder of the same name already exists where a
// folder is copied, moved or restored to.
class CopyFolderFlags : public QObject
{
    Q_OBJECT
public:
    // A fixed underlying type: QML may hand over any number, and it must stay
    // a valid value that copyFlagToString can turn down.
    enum Flags : int { Overwrite = 0, Skip = 1, Copy = 2 };
    Q_ENUM(Flags)

    // The portal's "Rule" text; a null string for a value outside the enumeration.
    static QString copyFlagToString(Flags flag);
};
