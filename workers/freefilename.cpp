#include "freefilename.h"

#include <QFileInfo>

FreeFileName::FreeFileName(Kind kind, const QString &folder, const QString &name)
    : m_kind(kind)
    , m_folder(folder)
    , m_name(safeName(name))
{
    while (m_folder.size() > 1 && m_folder.endsWith(QLatin1Char('/')))
        m_folder.chop(1);
}

QString FreeFileName::safeName(const QString &name)
{
    // A name from the portal must not lead out of the folder, nor name the folder itself.
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return tr("Untitled");
    return QString(name).replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
}

QString FreeFileName::candidate(int n) const
{
    // One arg() pass each, so that a "%" in a name is never taken for a marker.
    const QString base = baseName(m_name);
    const QString number = QString::number(n);
    switch (m_kind) {
    case Document:
        if (n == 0)
            return QStringLiteral("%1/%2").arg(m_folder, m_name);
        if (!m_name.contains(QLatin1Char('.')))
            return QStringLiteral("%1/%2_%3_%4").arg(m_folder, base, tr("copy"), number);
        return QStringLiteral("%1/%2_%3_%4.%5").arg(m_folder, base, tr("copy"), number, extension(m_name));
    case Pdf:
        if (n == 0)
            return QStringLiteral("%1/%2.pdf").arg(m_folder, base);
        return QStringLiteral("%1/%2_%3_%4.pdf").arg(m_folder, base, tr("copy"), number);
    case Archive:
        if (n == 0)
            return QStringLiteral("%1/%2.zip").arg(m_folder, m_name);
        return QStringLiteral("%1/%2(%3).zip").arg(m_folder, m_name, number);
    }
    return QString();
}

QString FreeFileName::firstFree() const
{
    int n = 0;
    while (isTaken(candidate(n)))
        ++n;
    return candidate(n);
}

QString FreeFileName::place(const std::function<bool(const QString &target)> &store) const
{
    for (int n = 0;; ++n) {
        const QString target = candidate(n);
        if (isTaken(target))
            continue;
        if (store(target))
            return target;
        if (!isTaken(target))
            return QString();
    }
}

QString FreeFileName::baseName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

QString FreeFileName::extension(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}

bool FreeFileName::isTaken(const QString &path)
{
    // A dangling link counts: storing under its name would replace the link.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
