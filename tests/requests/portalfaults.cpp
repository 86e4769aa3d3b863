#include "portalfaults.h"

#include "simulatorprocess.h"

namespace PortalFaults {

QList<FaultClass> jsonFailures()
{
    return {
        {"portal error",
         {{"status", 500}, {"body", QJsonObject{{"ErrorMessage", "Storage is full"}}}},
         QStringLiteral("Storage is full. Error 500.")},
        {"expired token", {{"expire", true}}, QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.")},
        {"malformed JSON", {{"mode", "malformed"}}, QString()},
        {"dropped connection", {{"mode", "drop"}}, QStringLiteral("The portal closed the connection.")},
    };
}

bool provoke(SimulatorProcess &simulator, QJsonObject fault, const QString &method, const QString &path)
{
    if (fault.contains(QStringLiteral("expire")))
        return simulator.expireTokens();
    fault.insert(QStringLiteral("method"), method);
    return simulator.setFault(path, fault);
}

} // namespace PortalFaults
