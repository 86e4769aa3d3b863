#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

class SimulatorProcess;

// The ways an exchange with the portal goes wrong, shared by the request suites.
namespace PortalFaults {

struct FaultClass
{
    const char *name;
    // A simulator fault, or {"expire": true} for a session that ran out.
    QJsonObject fault;
    // The reply handler's error text for it.
    QString error;
};

// A refusal with a message, an expired session, an unreadable answer and a
// connection closed without an answer.
QList<FaultClass> jsonFailures();

// Answers with secrets wherever some request reads or logs a reply: an
// object and an array. Every planted secret starts with plantedSecret(); the
// simulator's own editor and link tokens start with "jwt-".
QList<QJsonValue> secretAnswers();
QString plantedSecret();

// Sets one fault class up for the next call of method on path.
bool provoke(SimulatorProcess &simulator, QJsonObject fault, const QString &method, const QString &path);

} // namespace PortalFaults
