#pragma once

#include <QObject>

// Access levels the sharing dialog offers for a folder's link.
class SharedFolderAccessType : public QObject
{
    Q_OBJECT
public:
    enum SharedFolderAccessTypes { Denied = -1, ReadOnly = 0, Edit = 4 };
    Q_ENUM(SharedFolderAccessTypes)
};
