#pragma once

#include <QSet>
#include <QString>

// The extensions the portal can convert to PDF (exact, case-sensitive).
class ConvertToPdfAvailableExtensions
{
public:
    static bool canConvert(const QString &extension);

private:
    static const QSet<QString> &extensions();
};
