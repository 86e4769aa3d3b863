#include "securestorageserviceprocess.h"

#include "testenvironment.h"

#include <QDir>

#include <unistd.h>

static constexpr int s_timeoutMs = 15000;

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
                    QStringList{"--data", m_data.path(), "--scryptn", QString::number(s_testScryptLogN)} + extraArguments);
    const bool ready = TestEnvironment::readOutputUntil(m_service, "ready\n", s_timeoutMs).contains("ready\n");
    if (!ready)
        qWarning("secure-storage service did not start: %s", serviceLog().constData());
    return ready;
}

void SecureStorageServiceProcess::stop()
{
    if (m_service.state() == QProcess::NotRunning)
        return;
    TestEnvironment::endProcess(m_service, s_timeoutMs);
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
