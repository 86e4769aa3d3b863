#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// Reads one value of a portal object as the cache stores it.
class PortalValue
{
public:
    // A missing or null integer is stored as 0.
    static QVariant integer(const QVariantMap &object, const QString &key);
    // A missing string is stored as NULL.
    static QVariant text(const QVariantMap &object, const QString &key);
};
