#include "portalfaults.h"

#include "simulatorprocess.h"

#include <QJsonArray>

namespace PortalFaults {

QList<FaultClass> jsonFailures()
{
    return {
        {"portal error",
         {{"status", 500}, {"body", QJsonObject{{"ErrorMessage", "Storage is full"}}}},
         QStringLiteral("Storage is full. Error 500.")},
        {"expired token", {{"expire", true}}, QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.")},
        {"malformed JSON", {{"mode", "malformed"}}, QStringLiteral("The portal sent an answer that cannot be read.")},
        {"dropped connection", {{"mode", "drop"}}, QStringLiteral("The portal closed the connection.")},
    };
}

QString plantedSecret()
{
    return QStringLiteral("s3cr3t");
}

QList<QJsonValue> secretAnswers()
{
    int count = 0;
    const auto planted = [&count] { return plantedSecret() + QLatin1Char('-') + QString::number(++count); };
    const QJsonObject tokens{{"AuthToken", planted()}, {"RefreshToken", planted()}};
    const QJsonObject user{{"Id", 1}, {"UserPassword", planted()}};
    const QJsonObject object{
        {"Status", 200},
        {"TaskId", 7},
        {"Token", planted()},
        {"Password", planted()},
        {"Jwt", planted()},
        {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", tokens}, {"User", user}}}}},
        {"Link", QJsonObject{{"Payload", QJsonObject{{"token", planted()}, {"type", "mobile"}}}}},
        {"Items", QJsonArray{QJsonObject{{"Id", 1}, {"Name", "a"}, {"access_token", planted()}}}},
        {"Directory", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 2}, {"refresh_token", planted()}}}}}},
        {"Document", QJsonObject{{"Items", QJsonArray{QJsonObject{{"Id", 3}, {"Authorization", planted()}}}}}},
        {"DocumentServer", QJsonObject{{"Url", "http://127.0.0.1:1"}, {"Token", planted()}}},
    };
    const QJsonArray array{QJsonObject{{"Id", 4}, {"OwnerId", 1}, {"Name", "b"}, {"Jwt", planted()},
                                       {"Children", QJsonArray{QJsonObject{{"Id", 5}, {"Password", planted()}}}}}};
    return {object, array};
}

bool provoke(SimulatorProcess &simulator, QJsonObject fault, const QString &method, const QString &path)
{
    if (fault.contains(QStringLiteral("expire")))
        return simulator.expireTokens();
    fault.insert(QStringLiteral("method"), method);
    return simulator.setFault(path, fault);
}

} // namespace PortalFaults
