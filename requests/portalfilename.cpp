#include "portalfilename.h"

#include <QRegularExpression>

QString PortalFileName::safeName(const QString &name)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    QString last = name.section(separators, -1);
    last.remove(QChar(0));
    if (last.isEmpty() || last == QLatin1String(".") || last == QLatin1String(".."))
        return QString();
    return last;
}

QString PortalFileName::pathIn(const QString &folder, const QString &name)
{
    const QString safe = safeName(name);
    if (safe.isEmpty())
        return QString();
    QString base = folder;
    if (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QLatin1Char('/') + safe;
}
