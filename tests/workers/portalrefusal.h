#pragma once

#include <QJsonObject>
#include <QString>

// A simulator fault in which the portal refuses a call with its error object.
namespace PortalRefusal {

inline QJsonObject fault(int status = 500)
{
    const QJsonObject body{{QStringLiteral("Status"), status},
                           {QStringLiteral("ErrorMessage"), QStringLiteral("Storage is offline")}};
    return {{QStringLiteral("status"), status}, {QStringLiteral("body"), body}};
}

// How the message table of the JSON requests words the refusal of fault().
inline QString text()
{
    return QStringLiteral("Storage is offline. Error 500.");
}

} // namespace PortalRefusal
