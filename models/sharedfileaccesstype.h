#pragma once

#include <QObject>

// Access levels the sharing dialog offers for a document's link.
class SharedFileAccessType : public QObject
{
    Q_OBJECT
public:
    enum SharedFileAccessTypes { Denied = -1, ReadOnly = 0, Comment = 1, Edit = 4 };
    Q_ENUM(SharedFileAccessTypes)
};
