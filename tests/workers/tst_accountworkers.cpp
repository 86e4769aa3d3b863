#include "cachetestsupport.h"
#include "database/dataaccessobject.h"
#include "database/migrations.h"
#include "privatesessionbus.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"
#include "workers/authorizationworker.h"
#include "workers/forgotpasswordworker.h"
#include "workers/getserversettingsworker.h"
#include "workers/loadfoldersandfilesworker.h"
#include "workers/refreshtokenworker.h"
#include "workers/userregisterworker.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <memory>

class TestAccountWorkers : public QObject
{
    Q_OBJECT
private:
    PrivateSessionBus m_bus;
    NotificationListener m_listener;
    SimulatorProcess m_simulator;
    QTemporaryDir m_cacheDirectory;
    std::unique_ptr<DataAccessObject> m_dao;

    // Waits for the one result and makes sure no second one follows.
    static QList<QVariant> singleResult(QSignalSpy &spy)
    {
        if (spy.isEmpty() && !spy.wait(10000))
            return {};
        return TestEnvironment::settle() && spy.count() == 1 ? spy.first() : QList<QVariant>();
    }

    int cachedRows(const QString &table) const
    {
        QSqlQuery query(m_dao->db());
        query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table);
        return query.next() ? query.value(0).toInt() : -1;
    }

    void fillCache()
    {
        m_dao->updateFilesAndFolders({portalFile(7, 1, QStringLiteral("old.docx"))}, {}, 1, DirectoryType::MyDocuments);
        m_dao->insertUsers({QVariantMap{{QStringLiteral("Id"), 99}, {QStringLiteral("Name"), QStringLiteral("Previous")}}});
    }

    QList<QVariant> signIn(Settings *settings, const QString &password = SimulatorProcess::s_demoPassword)
    {
        AuthorizationWorker worker(settings, m_dao.get());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.authorize(SimulatorProcess::s_demoLogin, password);
        return singleResult(finished);
    }

    QList<QVariant> refresh(Settings *settings)
    {
        RefreshTokenWorker worker(settings, m_dao.get());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.refreshToken();
        return singleResult(finished);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        QVERIFY(m_listener.registerOn(m_bus.address()));
        QVERIFY(m_simulator.start());
        m_dao = std::make_unique<DataAccessObject>(m_cacheDirectory.path());
        Migrations migrations;
        migrations.setDb(m_dao->db());
        QVERIFY(migrations.performMigration());
    }

    void init()
    {
        QVERIFY(m_simulator.clearFaults());
        Settings settings;
        settings.logOut();
        settings.savePortalAddress(m_simulator.baseUrl());
    }

    void signInStoresAccountAndEmptiesCache()
    {
        fillCache();
        QVERIFY(cachedRows(QStringLiteral("files_and_folders")) > 0);
        Settings settings;
        settings.setSorting(5, Qt::DescendingOrder);
        settings.saveUserId(99);
        settings.saveUserMiddleName(QStringLiteral("Previous"));
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(signIn(&settings), (QList<QVariant>{true, QString()}));

        QCOMPARE(cachedRows(QStringLiteral("files_and_folders")), 0);
        QCOMPARE(cachedRows(QStringLiteral("users")), 0);
        Settings stored;
        QVERIFY(!stored.accessToken().isEmpty() && !stored.refreshToken().isEmpty());
        QCOMPARE((QStringList{stored.login(), QString::number(stored.userId()), stored.userFirstName(), stored.userSurname(),
                              stored.userCompany(), stored.userName(), stored.userMiddleName(), stored.portalAddress()}),
                 (QStringList{SimulatorProcess::s_demoLogin, "1", "Demo", "User", "Vellix", "Demo User", QString(),
                              m_simulator.baseUrl()}));
        QCOMPARE(stored.sortingParameter(), 2);
        QCOMPARE(stored.sortingDirection(), Qt::AscendingOrder);
        QVERIFY(stored.lastAuthorizationTime() >= before);
    }

    void signInFailureKeepsState_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << QStringLiteral("wrong") << QJsonObject()
                                        << QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.");
        QTest::newRow("portal error") << SimulatorProcess::s_demoPassword
                                      << QJsonObject{{QStringLiteral("status"), 503}, {QStringLiteral("body"), QString()}}
                                      << QStringLiteral("Failed to send the request to portal. Error 503.");
        QTest::newRow("garbage") << SimulatorProcess::s_demoPassword
                                 << QJsonObject{{QStringLiteral("mode"), QStringLiteral("malformed")}}
                                 << QStringLiteral("The portal sent an answer that cannot be read.");
        // Answers that came through but hold no session.
        const auto reply = [](int status, const QJsonObject &tokens, const QString &message = QString()) {
            QJsonObject body{{"Status", status}, {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", tokens}}}}}};
            if (!message.isEmpty())
                body.insert("ErrorMessage", message);
            return QJsonObject{{"status", 200}, {"body", body}};
        };
        const QString noToken = QStringLiteral("The portal did not return an access token.");
        const QString password = SimulatorProcess::s_demoPassword;
        QTest::newRow("no token") << password << reply(200, {{"RefreshToken", "r"}}) << noToken;
        QTest::newRow("empty token") << password << reply(200, {{"AuthToken", ""}}) << noToken;
        QTest::newRow("token of another type") << password << reply(200, {{"AuthToken", 5}}) << noToken;
        QTest::newRow("refused without a word") << password << reply(403, {{"AuthToken", "a"}})
                                                << QStringLiteral("The portal refused the sign-in.");
        QTest::newRow("refused with its reason") << password << reply(403, {}, QStringLiteral("Account locked"))
                                                 << QStringLiteral("Account locked");
    }

    void signInFailureKeepsState()
    {
        QFETCH(QString, password);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        if (!fault.isEmpty())
            QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/login"), fault));
        fillCache();
        Settings settings;
        settings.saveAccessToken(QStringLiteral("previous-token"));
        const QList<QVariant> result = signIn(&settings, password);
        QCOMPARE(result.value(0).toBool(), false);
        QCOMPARE(result.value(1).toString(), message);
        QCOMPARE(Settings().accessToken(), QStringLiteral("previous-token"));
        QVERIFY(cachedRows(QStringLiteral("files_and_folders")) > 0);
    }

    // An expired session fails loads and leaves the cache; a refresh renews
    // both tokens, not the time of the sign-in, and brings the session back.
    void expiredTokenFailsUntilRefreshed()
    {
        Settings settings;
        QCOMPARE(signIn(&settings).value(0).toBool(), true);
        const QString access = settings.accessToken();
        const QString refreshToken = settings.refreshToken();
        const QDateTime signedInAt = settings.lastAuthorizationTime();
        const auto load = [this] {
            LoadFoldersAndFilesWorker worker(m_dao.get());
            QSignalSpy finished(&worker, &Worker::workFinished);
            worker.loadFilesAndFolders(100, DirectoryType::MyDocuments);
            return singleResult(finished);
        };
        QCOMPARE(load().value(0).toBool(), true);
        const int cached = cachedRows(QStringLiteral("files_and_folders"));
        QVERIFY(cached > 0);

        QVERIFY(m_simulator.expireTokens());
        const QList<QVariant> refused = load();
        QCOMPARE(refused.value(0).toBool(), false);
        QVERIFY2(refused.value(1).toString().contains(QStringLiteral("401")), qPrintable(refused.value(1).toString()));
        QCOMPARE(cachedRows(QStringLiteral("files_and_folders")), cached);

        QCOMPARE(refresh(&settings).value(0).toBool(), true);
        QVERIFY(!settings.accessToken().isEmpty() && settings.accessToken() != access);
        QVERIFY(settings.refreshToken() != refreshToken);
        QCOMPARE(settings.lastAuthorizationTime(), signedInAt);
        QCOMPARE(load().value(0).toBool(), true);
        QCOMPARE(cachedRows(QStringLiteral("files_and_folders")), cached);
    }

    void refreshFailureKeepsTokens()
    {
        Settings settings;
        settings.saveAccessToken(QStringLiteral("stale-access"));
        settings.saveRefreshToken(QStringLiteral("unknown-refresh"));
        const QList<QVariant> result = refresh(&settings);
        QCOMPARE(result.value(0).toBool(), false);
        QVERIFY(!result.value(1).toString().isEmpty());
        QCOMPARE(settings.accessToken(), QStringLiteral("stale-access"));
        QCOMPARE(settings.refreshToken(), QStringLiteral("unknown-refresh"));
    }

    // A refusal other than a taken address passes its reason unchanged (see the registration page's controller).
    void registrationRefused()
    {
        QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/register"),
                                     {{"status", 500}, {"body", "{\"ErrorMessage\":\"Registration is closed\"}"}}));
        UserRegisterWorker worker;
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.registerUser({"other@vellix.local", QStringLiteral("pw"), QStringLiteral("New"), QStringLiteral("User")});
        QCOMPARE(singleResult(finished), (QList<QVariant>{false, "Registration is closed. Error 500."}));
    }

    void passwordRecovery_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("summary");
        QTest::newRow("known user") << SimulatorProcess::s_demoLogin << true << QString() << QStringLiteral("Request done")
                                    << QString();
        QTest::newRow("unknown user") << QStringLiteral("nobody@vellix.local") << false << QStringLiteral("User not found")
                                      << QStringLiteral("user not found")
                                      << QStringLiteral("Error send forgot request to portal");
        QTest::newRow("empty login") << QString() << false << QStringLiteral("Login is empty")
                                     << QStringLiteral("empty login") << QStringLiteral("Error send forgot request to portal");
        QTest::newRow("connection dropped, no reason") << "drop" << false << QStringLiteral("The portal closed the connection.")
                                                       << QStringLiteral("Error send forgot request to portal") << QString();
    }

    void passwordRecovery()
    {
        QFETCH(QString, login);
        QFETCH(bool, success);
        QFETCH(QString, message);
        QFETCH(QString, body);
        QFETCH(QString, summary);
        if (login == QLatin1String("drop"))
            QVERIFY(m_simulator.setFault(QStringLiteral("/api/v2/auth/Forgot"), {{"mode", "drop"}}));
        QSignalSpy notified(&m_listener, &NotificationListener::notified);
        ForgotPasswordWorker worker;
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.sendForgot(login == QLatin1String("drop") ? SimulatorProcess::s_demoLogin : login);
        const QList<QVariant> result = singleResult(finished);
        QCOMPARE(result.value(0).toBool(), success);
        QCOMPARE(result.value(1).toString(), message);
        QVERIFY(notified.count() || notified.wait(5000));
        QCOMPARE(m_listener.received().last().body, body);
        QCOMPARE(m_listener.received().last().summary, summary);
    }

    void serverSettingsStoreTheEditorAddress_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::newRow("stored") << QJsonObject();
        QTest::newRow("refused, the old address stays") << QJsonObject{{"status", 502}};
    }

    void serverSettingsStoreTheEditorAddress()
    {
        QFETCH(QJsonObject, fault);
        Settings settings;
        settings.saveAccessToken(m_simulator.validAccessToken());
        settings.saveDocumentServerAddress(QStringLiteral("https://docs.example"));
        if (!fault.isEmpty())
            QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Settings"), fault));
        auto *worker = new GetServerSettingsWorker(&settings);
        QPointer<GetServerSettingsWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QSignalSpy stored(&settings, &Settings::documentServerAddressChanged);
        // The address is stored after the end was reported, not before.
        bool storedBeforeFinish = true;
        connect(worker, &Worker::workFinished, this, [&] { storedBeforeFinish = stored.count() > 0; });
        QThreadPool::globalInstance()->start(worker);
        const QList<QVariant> result = singleResult(finished);
        QCOMPARE(result.value(0).toBool(), fault.isEmpty());
        QCOMPARE(result.value(1).toString().endsWith(QStringLiteral("Error 502.")), !fault.isEmpty());
        QCOMPARE(stored.count(), fault.isEmpty() ? 1 : 0);
        QCOMPARE(storedBeforeFinish, false);
        if (fault.isEmpty())
            QVERIFY(settings.documentServerAddress().startsWith(QStringLiteral("http://")));
        else
            QCOMPARE(settings.documentServerAddress(), QStringLiteral("https://docs.example"));
        QTRY_VERIFY(alive.isNull());
    }
};

VELLIX_TEST_MAIN(TestAccountWorkers, QCoreApplication)
#include "tst_accountworkers.moc"
