#pragma once

#include <QString>

// One user's access to one document or folder in the single-user share calls.
class FileAccessType
{
public:
    enum AccessType { Read = 0, Write = 1 };

    // The portal's word for the access; empty for a value it has none for.
    static QString accessTypeToString(AccessType type);
};
