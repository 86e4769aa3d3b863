#pragma once

#include "privatesessionbus.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

// A private dbus-daemon standing in for the system bus of the test process,
// and the secure-storage service on it with a data directory of the test's
// own. New containers use a cheap key derivation to keep the suites fast.
class SecureStorageServiceProcess
{
public:
    static constexpr int s_testScryptLogN = 10;

    ~SecureStorageServiceProcess() { stop(); }

    // Call before anything touches QDBusConnection::systemBus().
    bool startBus();
    // Starts the service and waits until it owns its name.
    bool start(const QStringList &extraArguments = {},
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    // SIGTERM: the service closes its containers on the way out.
    void stop();

    // The cipher directory of the test process' own container.
    QString cipherDirectory() const;
    // What the service wrote to stderr since it was last started.
    QByteArray serviceLog();

private:
    PrivateSessionBus m_bus;
    QProcess m_service;
    QTemporaryDir m_data;
    QByteArray m_log;
};
