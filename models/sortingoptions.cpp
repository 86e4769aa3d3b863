#include "sortingoptions.h"

QString SortingOptions::sortingOptionsToString(int state)
{
    switch (state) {
    case None:
    case Name:
        return tr("by name");
    case Date:
        return tr("by date");
    case Type:
        return tr("by type");
    case Size:
        return tr("by size");
    case Author:
        return tr("by author");
    default:
        return QString();
    }
}
