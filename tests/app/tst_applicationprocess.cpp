#include "settings/settings.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

// Runs the real executable and ends it with each termination signal.
class TestApplicationProcess : public QObject
{
    Q_OBJECT
private:
    QString m_cache;

    static QByteArray todaysLog()
    {
        QFile file(QDir::homePath() + QStringLiteral("/Documents/VellixOffice/VellixOffice-logs/")
                   + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        Settings settings;
        settings.saveDebugOut(true);
        m_cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    }

    void terminationSignalEndsEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGQUIT") << SIGQUIT;
    }

    void terminationSignalEndsEventLoop()
    {
        QFETCH(int, signalNumber);
        QDir(m_cache).removeRecursively();
        QDir().mkpath(m_cache + QStringLiteral("/stale"));
        QFile stale(m_cache + QStringLiteral("/stale.bin"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(TestEnvironment::binDirectory() + QStringLiteral("/VellixOfficeAurora"), QStringList());
        QVERIFY(app.waitForStarted(10000));
        // The web settings are copied right before the event loop starts.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_cache + QStringLiteral("/.mozilla/user.js")), 20000);
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/stale")));
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/stale.bin")));
        QTest::qWait(200);
        QCOMPARE(app.state(), QProcess::Running);

        ::kill(pid_t(app.processId()), signalNumber);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);

        const QByteArray log = todaysLog();
        QVERIFY(log.contains("Clear cache"));
        QVERIFY(log.contains("Create cache directory"));
        QVERIFY(log.contains("Copy new settings to"));
        QVERIFY(log.contains(QByteArray("Termination signal ") + QByteArray::number(signalNumber)));
    }
};

VELLIX_TEST_MAIN(TestApplicationProcess, QCoreApplication)
#include "tst_applicationprocess.moc"
