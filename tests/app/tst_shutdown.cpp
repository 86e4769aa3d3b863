#include "database/dataaccessobject.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// Quitting ends the calls a stalled portal holds, lets the pool finish while
// the cache still exists, and only then frees it: the process ends long before
// a stalled call would time out, with nothing for the sanitizers to report.
class TestShutdown : public QObject
{
    Q_OBJECT
private:
    SimulatorProcess m_simulator;

    static int count(DataAccessObject &dao, const QString &where)
    {
        QSqlQuery query(dao.db());
        query.exec(QStringLiteral("SELECT COUNT(*) FROM files_and_folders WHERE ") + where);
        return query.next() ? query.value(0).toInt() : -1;
    }

private slots:
    void quitWhileCallsStallAndAListingSynchronises()
    {
        QVERIFY(m_simulator.start());
        Settings settings;
        settings.savePortalAddress(m_simulator.baseUrl());
        settings.saveAccessToken(m_simulator.validAccessToken());
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Documents/Rename"), {{"mode", "hang"}}));
        QTemporaryDir cache;

        QProcess probe;
        probe.start(TestEnvironment::binDirectory() + QStringLiteral("/shutdownprobe"), {cache.path()});
        QVERIFY(probe.waitForStarted(10000));
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += probe.readAllStandardOutput()).contains("started"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(QString::fromUtf8(QJsonDocument(m_simulator.requests()).toJson()).contains("Rename"),
                                 20000);
        probe.write("load\n");

        // Well below the minute a stalled call would otherwise hold the process.
        QVERIFY(probe.waitForFinished(20000));
        const QByteArray errors = probe.readAllStandardError();
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QVERIFY2(probe.exitCode() == 0, errors.constData());
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), errors.constData());

        // What the pool threads left to the main thread landed before the cache went.
        DataAccessObject dao(cache.path());
        QVERIFY(count(dao, QStringLiteral("is_file <> 0")) > 0);
        QCOMPARE(count(dao, QStringLiteral("busy <> 0")), 0);
    }
};

VELLIX_TEST_MAIN(TestShutdown, QCoreApplication)
#include "tst_shutdown.moc"
