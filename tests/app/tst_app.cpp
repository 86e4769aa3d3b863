#include "app/applicationversion.h"
#include "app/coreinit.h"
#include "app/fsutils.h"
#include "app/webenginesetup.h"
#include "database/dataaccessobject.h"
#include "platform/sailfishapp.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWebEngineProfile>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <cstring>

// Start-up, the main page and the ways the application ends.
class TestApp : public QObject
{
    Q_OBJECT
private:
    const QString m_cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);

    static void write(const QString &path, const QByteArray &content)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(TestEnvironment::writeFile(path, content));
    }

    static int count(DataAccessObject &dao, const QString &where)
    {
        QSqlQuery query(dao.db());
        query.exec(QStringLiteral("SELECT COUNT(*) FROM files_and_folders WHERE ") + where);
        return query.next() ? query.value(0).toInt() : -1;
    }

private slots:
    void init()
    {
        QVERIFY(m_cache.startsWith(TestEnvironment::root()));
        QDir(m_cache).removeRecursively();
    }

    // The clean-up acts only inside the cache location and keeps its hidden entries.
    void cacheIsClearedAndWebSettingsCopiedOnce()
    {
        const QString userJs = m_cache + QStringLiteral("/.mozilla/user.js");
        FSUtils::clearCache();
        FSUtils::prepareUserWebSettings();
        QVERIFY(TestEnvironment::readFile(userJs).startsWith("user_pref(\"general.useragent.override\""));
        QVERIFY(QFileInfo(userJs).isWritable());

        const QString sibling = QFileInfo(m_cache).absolutePath() + QStringLiteral("/sibling.txt");
        write(sibling, "user data");
        write(m_cache + QStringLiteral("/images/a.png"), "png");
        write(m_cache + QStringLiteral("/1700000000000"), "download");
        write(userJs, "edited by the engine");
        write(m_cache + QStringLiteral("/.hiddenfile"), "keep");
        FSUtils::clearCache();
        FSUtils::prepareUserWebSettings();
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/images")));
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/1700000000000")));
        QCOMPARE(TestEnvironment::readFile(m_cache + QStringLiteral("/.hiddenfile")), QByteArray("keep"));
        QCOMPARE(TestEnvironment::readFile(sibling), QByteArray("user data"));
        // An edited profile file is never overwritten.
        QCOMPARE(TestEnvironment::readFile(userJs), QByteArray("edited by the engine"));
    }

    // The portal sees a mobile browser.
    void webViewsCarryTheMobileUserAgent()
    {
        QQuickWebEngineProfile *profile = QQuickWebEngineProfile::defaultProfile();
        WebEngineSetup::applyUserPreferences(profile);
        QCOMPARE(profile->httpUserAgent(),
                 QStringLiteral("Mozilla/5.0 (Android 8.1.0; Aurora 4.0.2; Mobile; rv:78.0) Gecko/78.0 Firefox/78.0"));
    }

    // The version main.cpp gives the pages is the native one.
    void mainPageShowsTheVersion()
    {
        CoreInit::registerTypes();
        QScopedPointer<QQuickView> view(SailfishApp::createView());
        view->rootContext()->setContextProperty(QStringLiteral("appVersion"), ApplicationVersion::version());
        view->setSource(SailfishApp::pathTo(QStringLiteral("qml/VellixOfficeAurora.qml")));
        QVERIFY2(view->status() == QQuickView::Ready, qPrintable(view->source().toString()));
        auto *label = view->rootObject()->findChild<QObject *>(QStringLiteral("applicationVersion"));
        QVERIFY(label);
        QVERIFY(label->property("text").toString().contains(QStringLiteral("1.8.5.114")));
    }

    void terminationSignalEndsTheApplication_data()
    {
        QTest::addColumn<int>("signalNumber");
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            QTest::newRow(strsignal(signalNumber)) << signalNumber;
    }

    void terminationSignalEndsTheApplication()
    {
        QFETCH(int, signalNumber);
        write(m_cache + QStringLiteral("/stale.bin"), "old");
        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        app.start(TestEnvironment::binDirectory() + QStringLiteral("/VellixOfficeAurora"), QStringList());
        QVERIFY(app.waitForStarted(10000));
        // The web settings are copied right before the event loop starts.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_cache + QStringLiteral("/.mozilla/user.js")), 20000);
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/stale.bin")));
        ::kill(pid_t(app.processId()), signalNumber);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }

    // Quitting ends the calls a stalled portal holds, lets the pool finish while
    // the cache still exists, and only then frees it: the process ends long before
    // a stalled call would time out, with nothing for the sanitizers to report.
    void quitWhileCallsStallAndAListingSynchronises()
    {
        SimulatorProcess simulator;
        QVERIFY(simulator.start());
        Settings settings;
        settings.savePortalAddress(simulator.baseUrl());
        settings.saveAccessToken(simulator.validAccessToken());
        QVERIFY(simulator.setFault(QStringLiteral("/api/v1/Documents/Rename"), {{"mode", "hang"}}));
        QTemporaryDir cache;
        QProcess probe;
        probe.start(TestEnvironment::binDirectory() + QStringLiteral("/shutdownprobe"), {cache.path()});
        QVERIFY(probe.waitForStarted(10000));
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += probe.readAllStandardOutput()).contains("started"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(QJsonDocument(simulator.requests()).toJson().contains("Rename"), 20000);
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

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    WebEngineSetup::initialize();
    QGuiApplication app(argc, argv);
    TestApp test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_app.moc"
