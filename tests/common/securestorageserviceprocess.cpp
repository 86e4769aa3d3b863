#include "securestorageserviceprocess.h"

#include "testenvironment.h"

#include <QDeadlineTimer>
#include <QDir>

#include <unistd.h>

namespace {
constexpr int s_timeoutMs = 15000;
}

SecureStorageServiceProcess::~SecureStorageServiceProcess()
{
    stop();
}

bool SecureStorageServiceProcess::startBus()
{
    return m_data.isValid() && m_bus.start("DBUS_SYSTEM_BUS_ADDRESS");
}

bool SecureStorageServiceProcess::start(const QStringList &extraArguments, const QProcessEnvironment &environment)
{
    stop();
    m_log.clear();
    QProcessEnvironment serviceEnvironment = environment;
    serviceEnvironment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_bus.address());
    m_service.setProcessEnvironment(serviceEnvironment);
    m_service.start(TestEnvironment::binDirectory() + QStringLiteral("/vellix-securestorage"),
                    QStringList{QStringLiteral("--data"), m_data.path(), QStringLiteral("--scryptn"),
                                QString::number(s_testScryptLogN)}
                        + extraArguments);
    const QDeadlineTimer deadline(s_timeoutMs);
    QByteArray output;
    while (!output.contains("ready\n") && !deadline.hasExpired() && m_service.state() != QProcess::NotRunning) {
        m_service.waitForReadyRead(100);
        output += m_service.readAllStandardOutput();
    }
    if (!output.contains("ready\n")) {
        qWarning("secure-storage service did not start: %s", serviceLog().constData());
        return false;
    }
    return true;
}

void SecureStorageServiceProcess::stop()
{
    if (m_service.state() == QProcess::NotRunning)
        return;
    m_service.terminate();
    if (!m_service.waitForFinished(s_timeoutMs)) {
        m_service.kill();
        m_service.waitForFinished();
    }
    serviceLog();
}

QString SecureStorageServiceProcess::cipherDirectory() const
{
    return QDir(m_data.path()).filePath(QStringLiteral("%1/cipher").arg(::geteuid()));
}

QByteArray SecureStorageServiceProcess::serviceLog()
{
    m_log += m_service.readAllStandardError();
    return m_log;
}
