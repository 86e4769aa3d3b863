#include "editor/getdocumentlinkworker.h"
#include "loadingfixture.h"
#include "testenvironment.h"
#include "workers/getcustomerrolesworker.h"
#include "workers/getentityshareinfoworker.h"
#include "workers/getfolderlinkworker.h"
#include "workers/searchusersworker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QMetaMethod>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QStringList describe(const QVariant &list)
{
    QStringList texts;
    for (const UserOrRoleEntity &entity : list.value<QList<UserOrRoleEntity>>())
        texts << QStringLiteral("%1 %2 access %3%4")
                     .arg(entity.isGroup ? QStringLiteral("role") : QStringLiteral("user"))
                     .arg(entity.id)
                     .arg(entity.access)
                     .arg(entity.name.isEmpty() ? QString() : QLatin1Char(' ') + entity.name);
    return texts;
}

QStringList describeLinks(const QVariant &list)
{
    QStringList texts;
    for (const SharedLink &link : list.value<QList<SharedLink>>())
        texts << QStringLiteral("%1 %2 type %3 lifetime %4 access %5")
                     .arg(link.uid)
                     .arg(link.entityId)
                     .arg(link.type)
                     .arg(link.lifeTime)
                     .arg(link.accessType);
    return texts;
}

} // namespace

// Every signal of a worker in the order it came, with the arguments of the last of each.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    explicit SignalLog(QObject *worker)
    {
        const QMetaObject *meta = worker->metaObject();
        const QMetaMethod record = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod signal = meta->method(i);
            // A signal with a default argument also has a clone without it.
            if (signal.methodType() != QMetaMethod::Signal || (signal.attributes() & QMetaMethod::Cloned))
                continue;
            m_spies.insert(QString::fromLatin1(signal.name()), std::make_shared<QSignalSpy>(worker, signal));
            connect(worker, signal, this, record);
        }
    }

    // Waits until the worker finished and nothing else follows.
    bool finished()
    {
        return QTest::qWaitFor([this] { return names.contains(QStringLiteral("workFinished")); }, 15000)
            && TestEnvironment::settle();
    }
    QVariant argument(const QString &signal, int index) const { return m_spies.value(signal)->last().value(index); }

    QStringList names;

public slots:
    void record() { names << QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()); }

private:
    QHash<QString, std::shared_ptr<QSignalSpy>> m_spies;
};

namespace {

// A reader of the sharing dialogs: how it starts, the signals of its success,
// what they carry, and the signals of its failure.
struct Reader
{
    const char *name;
    std::function<Worker *(DataAccessObject *)> make;
    std::function<void(Worker *)> start;
    QString path;
    QStringList succeeded;
    std::function<void(const SignalLog &, LoadingFixture &)> check;
    QStringList failed;
};

QList<Reader> readers()
{
    const QStringList shareInfo{"propertiesReady", "linksReady", "workFinished"};
    return {
        {"share info of a document",
         [](DataAccessObject *) { return new GetEntityShareInfoWorker; },
         startAs<GetEntityShareInfoWorker>([](auto *worker) { worker->getEntityShareInfo(1001, EntityTypes::Document); }),
         "/api/v1/Share", shareInfo,
         [](const SignalLog &log, LoadingFixture &fixture) {
             QCOMPARE(describe(log.argument("propertiesReady", 0)), QStringList{"user 2 access 1"});
             QCOMPARE(describe(log.argument("propertiesReady", 1)), QStringList());
             QCOMPARE(describeLinks(log.argument("linksReady", 0)),
                      QStringList{"link-welcome 1001 type 2 lifetime 10 access 1"});
             QCOMPARE(fixture.receivedRequests(), QStringList{"GET /api/v1/Share?entityId=1001&entityType=Document"});
         },
         {"workFinished"}},
        {"share info of a folder",
         [](DataAccessObject *) { return new GetEntityShareInfoWorker; },
         startAs<GetEntityShareInfoWorker>([](auto *worker) { worker->getEntityShareInfo(113, EntityTypes::Directory); }),
         "/api/v1/Share", shareInfo,
         [](const SignalLog &log, LoadingFixture &) {
             QCOMPARE(describe(log.argument("propertiesReady", 1)), QStringList{"role 1 access 1"});
             QCOMPARE(describeLinks(log.argument("linksReady", 0)), QStringList());
         },
         {"workFinished"}},
        {"folder link",
         [](DataAccessObject *) { return new GetFolderLinkWorker; },
         startAs<GetFolderLinkWorker>([](auto *worker) {
             worker->getFolderLink(113, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory);
         }),
         "/api/v1/Link/Generate", {"workFinished", "uriReady"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             // The link the portal now keeps for the folder.
             QString uid;
             for (const QJsonValue &share : fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
                 if (share.toObject().value(QStringLiteral("EntityId")).toInt() == 113)
                     uid = share.toObject().value("Links").toArray().first().toObject().value("Uid").toString();
             }
             QVERIFY(!uid.isEmpty());
             const QString base = fixture.simulator().baseUrl();
             QCOMPARE(log.argument("uriReady", 0).toString(), base + "/link/" + uid);
             QCOMPARE(log.argument("uriReady", 1).toString(), base + "/s/" + uid);
             QCOMPARE(log.argument("uriReady", 2).toString(), uid);
             QCOMPARE(log.argument("workFinished", 1).toString(), QString());
         },
         {"workFinished"}},
        {"document link",
         [](DataAccessObject *) { return new GetDocumentLinkWorker; },
         startAs<GetDocumentLinkWorker>([](auto *worker) {
             worker->getDocumentCustomLink(1002, DocumentLink::DefaultExternal, DocumentLink::Write, EntityTypes::Document);
         }),
         "/api/v1/Link/Generate", {"workFinished", "uriReady"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             QCOMPARE(fixture.receivedRequests(),
                      QStringList{"GET /api/v1/Link/Generate?Id=1002&type=2&lifetime=10&accessType=5"});
             // The link is also the success message.
             const QString uid = log.argument("uriReady", 2).toString();
             QVERIFY(!uid.isEmpty());
             QCOMPARE(log.argument("uriReady", 0).toString(), fixture.simulator().baseUrl() + "/link/" + uid);
             QCOMPARE(log.argument("uriReady", 1).toString(), fixture.simulator().baseUrl() + "/s/" + uid);
             QCOMPARE(log.argument("uriReady", 4).toString(), QStringLiteral("1"));
             QCOMPARE(log.argument("workFinished", 1), log.argument("uriReady", 0));
         },
         {"workFinished"}},
        {"customer roles",
         [](DataAccessObject *dao) { return new GetCustomerRolesWorker(dao); },
         startAs<GetCustomerRolesWorker>([](auto *worker) { worker->getCusotmerRoles(); }),
         "/api/v1/Role", {"workFinished", "rolesReady"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             QCOMPARE(describe(log.argument("rolesReady", 0)),
                      (QStringList{"role 1 access -1 Accounting", "role 2 access -1 Management", "role 3 access -1 All staff"}));
             QTRY_COMPARE(fixture.dao().retrieveRoleById(2).value(QStringLiteral("name")).toString(),
                          QStringLiteral("Management"));
         },
         {"workFinished"}},
        {"search users",
         [](DataAccessObject *) { return new SearchUsersWorker; },
         startAs<SearchUsersWorker>([](auto *worker) { worker->searchUsers(QStringLiteral("anna")); }),
         "/api/v1/User/Search", {"workFinished", "searchResult"},
         [](const SignalLog &log, LoadingFixture &) {
             QCOMPARE(log.argument("searchResult", 0).value<QList<int>>(), QList<int>{2});
         },
         // An empty result clears what the page showed.
         {"workFinished", "searchResult"}},
    };
}

} // namespace

class TestSharingReaders : public QObject
{
    Q_OBJECT
private:
    LoadingFixture m_fixture;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<UserOrRoleEntity>>();
        qRegisterMetaType<QList<SharedLink>>();
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void reads_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("refused");
        const QList<Reader> all = readers();
        for (int i = 0; i < all.size(); ++i) {
            QTest::addRow("%s", all[i].name) << i << false;
            QTest::addRow("%s, refused", all[i].name) << i << true;
        }
    }

    void reads()
    {
        QFETCH(int, index);
        QFETCH(bool, refused);
        const Reader reader = readers().at(index);
        const LoadingFixture::PortalFailure refusal = LoadingFixture::portalFailures().first();
        if (refused)
            QVERIFY(m_fixture.fail(reader.path, refusal.fault));
        const std::unique_ptr<Worker> worker(reader.make(&m_fixture.dao()));
        const auto log = std::make_unique<SignalLog>(worker.get());
        reader.start(worker.get());
        QVERIFY(log->finished());
        QCOMPARE(log->names, refused ? reader.failed : reader.succeeded);
        QCOMPARE(log->argument("workFinished", 0).toBool(), !refused);
        if (refused || !log->names.contains(QStringLiteral("uriReady")))
            QCOMPARE(log->argument("workFinished", 1).toString(), refused ? refusal.message : QString());
        if (refused) {
            QVERIFY(m_fixture.dao().retrieveRoleById(1).isEmpty());
            if (log->names.contains(QStringLiteral("searchResult")))
                QCOMPARE(log->argument("searchResult", 0).value<QList<int>>(), QList<int>());
            return;
        }
        reader.check(*log, m_fixture);
    }

    void shareInfoWithoutLinks()
    {
        const QJsonObject user{{QStringLiteral("PrincipalId"), 3}, {QStringLiteral("Type"), 5}};
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/Share"),
                               {{"status", 200}, {"body", QJsonObject{{"UserAccessRights", QJsonArray{user}},
                                                                      {"RoleAccessRights", QJsonArray()}}}}));
        GetEntityShareInfoWorker worker;
        SignalLog log(&worker);
        worker.getEntityShareInfo(1001, EntityTypes::Document);
        QVERIFY(log.finished());
        QCOMPARE(log.names, (QStringList{"propertiesReady", "linksReady", "workFinished"}));
        QCOMPARE(describe(log.argument("propertiesReady", 0)), QStringList{"user 3 access 5"});
        QCOMPARE(describeLinks(log.argument("linksReady", 0)), QStringList());
    }

    void searchShowsOnlyTheNewestText()
    {
        // The first search answers late, after the second one.
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/User/Search"), {{"mode", "hold"}, {"count", 1}}));
        SearchUsersWorker worker;
        SignalLog log(&worker);
        worker.searchUsers(QStringLiteral("anna"));
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture.receivedRequests().size(), 1, 10000);
        worker.searchUsers(QStringLiteral("olga"));
        QTRY_VERIFY_WITH_TIMEOUT(log.names.contains(QStringLiteral("searchResult")), 10000);
        QVERIFY(m_fixture.simulator().releaseHeld());
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(m_fixture.receivedRequests().size(), 2);
        QCOMPARE(log.names, (QStringList{"workFinished", "searchResult"}));
        QCOMPARE(log.argument("searchResult", 0).value<QList<int>>(), QList<int>{4});
    }
};

VELLIX_TEST_MAIN(TestSharingReaders, QCoreApplication)
#include "tst_sharingworkers_readers.moc"
