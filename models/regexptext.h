#pragma once

#include <QString>

namespace RegExpText {
// The text with a backslash before each character that a regular expression
// would read as an operator (- [ ] { } ( ) * + ? . , \ ^ $ | #) and before
// white space, so that the pattern matches the text itself.
QString escape(const QString &text);
} // namespace RegExpText
