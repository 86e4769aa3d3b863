#include "fileaccesstype.h"

QString FileAccessType::accessTypeToString(AccessType type)
{
    // Wire words: a translated build must send the same bytes.
    switch (type) {
    case Read:
        return QStringLiteral("Read");
    case Write:
        return QStringLiteral("Write");
    }
    return QString();
}
