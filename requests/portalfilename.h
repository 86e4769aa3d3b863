#pragma once

#include <QString>

// A file or folder name that came from the portal, made safe to put under a
// local folder: it is only a name, so nothing written with it can land
// outside that folder.
class PortalFileName
{
public:
    // The part after the last "/" or "\"; empty when nothing usable is left
    // (an empty name, "." or "..").
    static QString safeName(const QString &name);
    // "<folder>/<safe name>", or empty when the name is not usable.
    static QString pathIn(const QString &folder, const QString &name);
};
