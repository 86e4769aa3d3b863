#pragma once

#include <QStringView>

#include <optional>

// The start of a text folded for comparison without regard to case, kept in
// place: sorting many rows by it touches little memory. Its order agrees with
// QString::compare(..., Qt::CaseInsensitive) wherever it can decide.
class FoldedPrefix
{
public:
    explicit FoldedPrefix(QStringView text);

    // Whether left comes before right, or nothing when only the whole texts
    // can tell (a long common start, or a character outside the basic plane).
    static std::optional<bool> less(const FoldedPrefix &left, const FoldedPrefix &right);

private:
    static constexpr int s_size = 16;

    char16_t m_units[s_size];
    // Folded units that compare as the whole text's would.
    int m_exact = 0;
    // The units hold the whole text.
    bool m_complete = false;
};
