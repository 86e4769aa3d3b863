#include "regexptext.h"

namespace RegExpText {

QString escape(const QString &text)
{
    static const QString special = QStringLiteral("-[]{}()*+?.,\\^$|#");
    QString escaped;
    escaped.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (special.contains(c) || c.isSpace())
            escaped.append(QLatin1Char('\\'));
        escaped.append(c);
    }
    return escaped;
}

} // namespace RegExpText
