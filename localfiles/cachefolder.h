#pragma once

#include <QString>

// Folders in the application's cache directory that no one else uses.
class CacheFolder
{
public:
    // Creates "<cache>/<msecs since epoch>" or, when that is taken, the first
    // free "<cache>/<msecs>-<n>"; returns its path, or empty on failure.
    static QString createUnique();
};
