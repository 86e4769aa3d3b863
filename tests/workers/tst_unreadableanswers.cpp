#include "operationfixture.h"
#include "settings/settings.h"
#include "testenvironment.h"
#include "workers/authorizationworker.h"
#include "workers/clearfolderworker.h"
#include "workers/copyfolderworker.h"
#include "workers/deletefolderworker.h"
#include "workers/loadfoldersandfilesworker.h"
#include "workers/movefolderworker.h"

#include <QCoreApplication>
#include <QtTest>

#include <functional>
#include <tuple>

using WorkerFactory = std::function<Worker *(DataAccessObject *)>;
Q_DECLARE_METATYPE(WorkerFactory)

namespace {
const QString s_unreadable = QStringLiteral("The portal sent an answer that cannot be read.");

QJsonObject answer(const QJsonValue &body)
{
    return {{"status", 200}, {"body", body}};
}
} // namespace

// Answers that came through but do not say what the call stands for are
// failures: nothing is stored, deleted or polled on their account.
class TestUnreadableAnswers : public QObject
{
    Q_OBJECT
private:
    OperationFixture m_fixture;

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
        QVERIFY(m_fixture.reset());
    }

    // No case here changes the portal or the cache but the last one.
    void init()
    {
        QVERIFY(m_fixture.simulator().clearFaults());
    }

    void listingOfAnotherShapeKeepsTheCache_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("body");
        for (const QString &path : {PortalPath::s_folders, PortalPath::s_documents}) {
            const auto row = [&path](const char *name, const QJsonValue &body) {
                QTest::addRow("%s: %s", qPrintable(path.section('/', -1)), name) << path << body;
            };
            row("empty body", QString());
            row("true", QStringLiteral("true"));
            row("empty object", QJsonObject());
            row("items of another type", QJsonObject{{"Items", QJsonObject()}});
        }
        QTest::newRow("Get: one folder, not a list") << PortalPath::s_folders << QJsonValue(QJsonObject{{"Id", 110}});
        QTest::newRow("GetDocuments: a bare list") << PortalPath::s_documents << QJsonValue(QJsonArray());
    }

    void listingOfAnotherShapeKeepsTheCache()
    {
        QFETCH(QString, path);
        QFETCH(QJsonValue, body);
        const QStringList cached = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        QVERIFY(!cached.isEmpty());
        QVERIFY(m_fixture.simulator().setFault(path, answer(body)));
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.loadFilesAndFolders(OperationFixture::s_myDocuments, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(finished, false, s_unreadable));
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), cached);
    }

    void serverTaskWithoutIdIsAFailure_data()
    {
        QTest::addColumn<WorkerFactory>("create");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("body");
        const QStringList names{QStringLiteral("Reports")};
        const QList<std::tuple<const char *, WorkerFactory, QString>> operations{
            {"move folders",
             [=](DataAccessObject *dao) {
                 return new MoveFolderWorker(dao, {113}, 110, CopyFolderFlags::Copy, names, DirectoryType::MyDocuments);
             },
             QStringLiteral("Move")},
            {"copy folders",
             [=](DataAccessObject *dao) {
                 return new CopyFolderWorker(dao, {113}, 110, CopyFolderFlags::Copy, names, DirectoryType::MyDocuments);
             },
             QStringLiteral("Copy")},
            {"delete folder",
             [](DataAccessObject *dao) { return new DeleteFolderWorker(dao, 113, "Reports", DirectoryType::MyDocuments); },
             QStringLiteral("Delete")},
            {"clear trash", [](DataAccessObject *) { return new ClearFolderWorker("Trash", OperationFixture::s_trash); },
             QStringLiteral("Clear")},
        };
        for (const auto &[name, create, endpoint] : operations) {
            const QString path = QStringLiteral("/api/v1/DocumentDirectory/") + endpoint;
            QTest::addRow("%s: no task id", name) << create << path << QJsonValue(QJsonObject());
            QTest::addRow("%s: null task id", name) << create << path << QJsonValue(QJsonObject{{"TaskId", QJsonValue()}});
        }
    }

    void serverTaskWithoutIdIsAFailure()
    {
        QFETCH(WorkerFactory, create);
        QFETCH(QString, path);
        QFETCH(QJsonValue, body);
        const QStringList myDocuments = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        const QStringList trash = m_fixture.cachedListing(OperationFixture::s_trash);
        QVERIFY(m_fixture.simulator().setFault(path, answer(body)));
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(create(&m_fixture.dao()), &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, s_unreadable);
        QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), 0);
        QCOMPARE(m_fixture.busyCount(), 0);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), myDocuments);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_trash), trash);
    }

    void signInThatIsNoSessionStoresNothing_data()
    {
        QTest::addColumn<QJsonValue>("body");
        QTest::addColumn<QString>("message");
        const auto reply = [](int status, const QJsonObject &tokens, const QString &message = QString()) {
            QJsonObject body{{"Status", status}, {"Response", QJsonObject{{"Data", QJsonObject{{"Tokens", tokens}}}}}};
            if (!message.isEmpty())
                body.insert("ErrorMessage", message);
            return QJsonValue(body);
        };
        const QString noToken = QStringLiteral("The portal did not return an access token.");
        QTest::newRow("no token") << reply(200, {{"RefreshToken", "r"}}) << noToken;
        QTest::newRow("empty token") << reply(200, {{"AuthToken", ""}}) << noToken;
        QTest::newRow("token of another type") << reply(200, {{"AuthToken", 5}}) << noToken;
        QTest::newRow("refused without a word") << reply(403, {{"AuthToken", "a"}})
                                                << QStringLiteral("The portal refused the sign-in.");
        QTest::newRow("refused with its reason") << reply(403, {}, QStringLiteral("Account locked"))
                                                 << QStringLiteral("Account locked");
    }

    void signInThatIsNoSessionStoresNothing()
    {
        QFETCH(QJsonValue, body);
        QFETCH(QString, message);
        Settings settings;
        const QString token = settings.accessToken();
        QVERIFY(!token.isEmpty());
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v2/auth/login"), answer(body)));
        AuthorizationWorker worker(&settings, &m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.authorize(SimulatorProcess::s_demoLogin, SimulatorProcess::s_demoPassword);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(settings.accessToken(), token);
        QVERIFY(!m_fixture.cachedListing(OperationFixture::s_myDocuments).isEmpty());
    }

    void reusedLoadFetchesOnlyItsOwnOwners()
    {
        const QVariantList users =
            m_fixture.loading().portal("POST", PortalPath::s_users, {{"Ids", QJsonArray{1, 2, 3, 4}}}).array().toVariantList();
        QCOMPARE(users.size(), 4);
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        // The owners of the first load stay unknown: their lookup fails.
        m_fixture.dao().clearDatabase();
        QVERIFY(m_fixture.simulator().setFault(PortalPath::s_users, {{"status", 500}}));
        worker.loadFilesAndFolders(OperationFixture::s_myDocuments, DirectoryType::MyDocuments);
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.takeFirst().at(0).toBool(), false);
        // Meanwhile every owner became known: the next load has none to ask for.
        m_fixture.dao().insertUsers(users);
        worker.loadFilesAndFolders(OperationFixture::s_myDocuments, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(finished, true));
    }
};

VELLIX_TEST_MAIN(TestUnreadableAnswers, QCoreApplication)
#include "tst_unreadableanswers.moc"
