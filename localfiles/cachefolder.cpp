#include "localfiles/cachefolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString CacheFolder::createUnique()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!QDir().mkpath(cache))
        return QString();
    const QString base = QStringLiteral("%1/%2").arg(cache).arg(QDateTime::currentMSecsSinceEpoch());
    for (int n = 0;; ++n) {
        const QString candidate = n == 0 ? base : QStringLiteral("%1-%2").arg(base).arg(n);
        // mkdir fails on an existing folder, so two callers never share one.
        if (QDir().mkdir(candidate))
            return candidate;
        if (!QFileInfo(candidate).isDir())
            return QString();
    }
}
