#include "testenvironment.h"

#include "app/coreinit.h"
#include "workers/servertaskpoller.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThreadPool>

std::unique_ptr<QTemporaryDir> TestEnvironment::s_root;

void TestEnvironment::setUp()
{
    s_root = std::make_unique<QTemporaryDir>();
    const QString base = s_root->path();
    const auto setPath = [&](const char *variable, const QString &relative) {
        const QString path = base + relative;
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    };
    setPath("HOME", QStringLiteral("/home"));
    setPath("XDG_CONFIG_HOME", QStringLiteral("/home/.config"));
    setPath("XDG_CACHE_HOME", QStringLiteral("/home/.cache"));
    setPath("XDG_DATA_HOME", QStringLiteral("/home/.local/share"));
    setPath("XDG_RUNTIME_DIR", QStringLiteral("/runtime"));
    QFile::setPermissions(base + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // No test may reach a desktop session's bus by accident.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QCoreApplication::setOrganizationName(QString::fromLatin1(CoreInit::s_organizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(CoreInit::s_applicationName));
    CoreInit::initResources();
    // The simulator advances a task per poll, not per second: short polls keep the suites quick.
    ServerTaskPoller::setPollInterval(s_pollIntervalMs);
}

QString TestEnvironment::root()
{
    return s_root ? s_root->path() : QString();
}

QString TestEnvironment::binDirectory()
{
    return qEnvironmentVariable("VELLIX_BIN_DIR", QCoreApplication::applicationDirPath());
}

bool TestEnvironment::settle(int timeoutMs)
{
    // Pool threads may wait for this thread (the cache answers on its own), so
    // events keep flowing while they run.
    QThreadPool *pool = QThreadPool::globalInstance();
    for (;;) {
        if (!QTest::qWaitFor([pool] { return pool->activeThreadCount() == 0; }, timeoutMs))
            return false;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        if (pool->activeThreadCount() == 0)
            return true;
    }
}

QByteArray TestEnvironment::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestEnvironment::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray TestEnvironment::readOutputUntil(QProcess &process, const QByteArray &marker, int timeoutMs)
{
    QByteArray output;
    const QDeadlineTimer deadline(timeoutMs);
    while (!output.contains(marker) && !deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
    }
    return output;
}

void TestEnvironment::endProcess(QProcess &process, int timeoutMs)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}
