#include "localfiles/trashnames.h"

#include <QRegularExpression>

namespace {
const QRegularExpression &trashExpression()
{
    static const QRegularExpression expression(QStringLiteral("(?<trashTimestamp>\\[trash\\d+\\])"));
    return expression;
}

const QRegularExpression &restoreExpression()
{
    static const QRegularExpression expression(QStringLiteral("(?<restoreIndex>_restore_\\d+)"));
    return expression;
}

const QString s_restoreAppendix = QStringLiteral("_restore_");
} // namespace

QString TrashNames::tagged(const QString &fileName, qint64 msecsSinceEpoch)
{
    return QStringLiteral("[trash%1]").arg(msecsSinceEpoch) + fileName;
}

QString TrashNames::untagged(const QString &fileName)
{
    QString name = fileName;
    return name.remove(trashExpression());
}

TrashNames::TrashNames(const QString &trashFileName)
{
    const QString name = untagged(trashFileName);
    const int firstDot = name.indexOf(QLatin1Char('.'));
    m_hasDot = firstDot >= 0;
    m_base = m_hasDot ? name.left(firstDot) : name;
    m_suffix = m_hasDot ? name.mid(firstDot + 1) : QString();
    const QRegularExpressionMatch match = restoreExpression().match(m_base);
    if (match.hasMatch()) {
        const QString matched = match.captured(QStringLiteral("restoreIndex"));
        m_index = matched.mid(matched.lastIndexOf(QLatin1Char('_')) + 1).toInt();
        m_base.remove(matched);
    }
}

QString TrashNames::restoreCandidate(int attempt) const
{
    QString name = m_base;
    if (attempt > 0)
        name += s_restoreAppendix + QString::number(m_index + attempt);
    // A name that had no dot keeps none.
    if (m_hasDot)
        name += QLatin1Char('.') + m_suffix;
    return name;
}
