#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// Runs the portal simulator as a child process for one test: a fresh data
// directory, a free port, and synchronous calls to its control endpoint.
// Control and helper calls turn a local event loop, so they need a
// QCoreApplication but no running event loop of the test's own.
class SimulatorProcess
{
public:
    static const QString s_demoLogin;
    static const QString s_demoPassword;

    ~SimulatorProcess() { stop(); }

    // Starts $VELLIX_BIN_DIR/vellix-portal-simulator --port 0 with a fresh data
    // directory and waits for its "listening on" line.
    bool start(const QStringList &extraArguments = {});
    // SIGTERM, then waits for the exit.
    void stop();
    // After stop(): whether the process ended by itself with exit code 0.
    bool exitedCleanly() const { return m_exitedCleanly; }

    QString baseUrl() const;              // "http://127.0.0.1:PORT" (https with --cert)
    QString dataDirectory() const;

    bool setFault(const QString &path, const QJsonObject &fault);
    bool clearFaults();
    // Lets the requests held by "hold" faults so far go on.
    bool releaseHeld();
    bool reset();
    bool expireTokens();
    bool setTaskSteps(int steps);
    bool failNextTasks(int count);
    QJsonArray requests();
    bool clearRequests();
    QJsonObject state();
    // Any control call: method, path below the base URL, JSON body. Returns
    // the reply object; {"ok": false, "error": ...} when the call failed.
    QJsonObject control(const QByteArray &method, const QString &path, const QJsonObject &body = {});
    // Signs the demo user in through the real endpoint and returns the token.
    QString validAccessToken();

    // Writes a self-signed certificate and key for 127.0.0.1 with openssl.
    static bool makeCertificate(const QString &directory, QString *certificateFile, QString *keyFile);

private:
    QProcess m_process;
    std::unique_ptr<QTemporaryDir> m_directory;
    quint16 m_port = 0;
    bool m_secure = false;
    bool m_exitedCleanly = false;
};
