#include "entitytypes.h"

QString EntityTypes::entityToString(EntityType type)
{
    // Wire names, never translated; "Receptions" is the portal's spelling.
    switch (type) {
    case Unknown:
        return QStringLiteral("Unknown");
    case File:
        return QStringLiteral("File");
    case Document:
        return QStringLiteral("Document");
    case Directory:
        return QStringLiteral("Directory");
    case Customer:
        return QStringLiteral("Customer");
    case User:
        return QStringLiteral("User");
    case Favorite:
        return QStringLiteral("Favorite");
    case Event:
        return QStringLiteral("Event");
    case Call:
        return QStringLiteral("Call");
    case Visitor:
        return QStringLiteral("Visitor");
    case Reception:
        return QStringLiteral("Receptions");
    case Birthday:
        return QStringLiteral("Birthday");
    case Meeting:
        return QStringLiteral("Meeting");
    case Calendar:
        return QStringLiteral("Calendar");
    case Contact:
        return QStringLiteral("Contact");
    case Application:
        return QStringLiteral("Application");
    case UserGroup:
        return QStringLiteral("UserGroup");
    case ClientApplication:
        return QStringLiteral("ClientApplication");
    case OfflineDocument:
        break;
    }
    return QString();
}
