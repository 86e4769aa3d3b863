#include "copyfolderflags.h"

QString CopyFolderFlags::copyFlagToString(Flags flag)
{
    switch (flag) {
    case Overwrite:
        return QStringLiteral("Overwrite");
    case Skip:
        return QStringLiteral("Skip");
    case Copy:
        return QStringLiteral("Copy");
    }
    return QString();
}
