#include "foldedprefix.h"

#include <QChar>

#include <algorithm>

FoldedPrefix::FoldedPrefix(QStringView text)
{
    const int size = int(std::min<qsizetype>(text.size(), s_size));
    for (; m_exact < size; ++m_exact) {
        const char16_t unit = text.at(m_exact).unicode();
        if (QChar::isSurrogate(unit))
            return;
        // Latin letters fold to lower case; elsewhere the Unicode folding decides.
        const uint folded = unit < 0x80 ? (unit >= 'A' && unit <= 'Z' ? unit + 0x20u : unit)
                                        : QChar::toCaseFolded(uint(unit));
        if (folded > 0xffff)
            return;
        m_units[m_exact] = char16_t(folded);
    }
    m_complete = m_exact == text.size();
}

std::optional<bool> FoldedPrefix::less(const FoldedPrefix &left, const FoldedPrefix &right)
{
    const int common = std::min(left.m_exact, right.m_exact);
    for (int i = 0; i < common; ++i) {
        if (left.m_units[i] != right.m_units[i])
            return left.m_units[i] < right.m_units[i];
    }
    if (left.m_complete && right.m_complete)
        return left.m_exact < right.m_exact;
    return std::nullopt;
}
