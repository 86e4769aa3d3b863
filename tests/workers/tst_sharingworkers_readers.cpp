#include "loadingfixture.h"
#include "portalrefusal.h"
#include "testenvironment.h"
#include "workers/getcustomerrolesworker.h"
#include "workers/getentityshareinfoworker.h"
#include "workers/getfolderlinkworker.h"
#include "workers/searchusersworker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QtTest>

namespace {
QStringList describe(const QList<UserOrRoleEntity> &entities)
{
    QStringList texts;
    for (const UserOrRoleEntity &entity : entities)
        texts << QStringLiteral("%1 %2 access %3%4%5")
                     .arg(entity.isGroup ? QStringLiteral("role") : QStringLiteral("user"))
                     .arg(entity.id)
                     .arg(entity.access)
                     .arg(entity.selected ? QStringLiteral(" selected") : QString())
                     .arg(entity.name.isEmpty() ? QString() : QLatin1Char(' ') + entity.name);
    return texts;
}

// Records the order in which a worker's signals arrive.
class SignalOrder : public QObject
{
public:
    QStringList names;
    QList<UserOrRoleEntity> users;
    QList<UserOrRoleEntity> roles;
    QList<SharedLink> links;
    QStringList uri;
    QList<int> ids;
    bool success = false;
    QString message;

    void watch(Worker *worker)
    {
        connect(worker, &Worker::workFinished, this, [this](bool ok, const QString &text) {
            names << QStringLiteral("workFinished");
            success = ok;
            message = text;
        });
    }
    void note(const char *name) { names << QLatin1String(name); }
};
} // namespace

class TestSharingReaders : public QObject
{
    Q_OBJECT
private:
    LoadingFixture m_fixture;

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
        QVERIFY(m_fixture.simulator().clearFaults());
    }

    void shareInfo_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<QStringList>("roles");
        QTest::addColumn<QString>("link");
        QTest::newRow("document with a user and a link")
            << 1001 << int(EntityTypes::Document) << QStringList{QStringLiteral("user 2 access 1")} << QStringList()
            << QStringLiteral("link-welcome 1001 type 2 lifetime 10 access 1");
        QTest::newRow("folder with a group") << 113 << int(EntityTypes::Directory) << QStringList()
                                             << QStringList{QStringLiteral("role 1 access 1")} << QString();
    }

    void shareInfo()
    {
        QFETCH(int, id);
        QFETCH(int, type);
        QFETCH(QStringList, users);
        QFETCH(QStringList, roles);
        QFETCH(QString, link);
        GetEntityShareInfoWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetEntityShareInfoWorker::propertiesReady, &order,
                [&](const QList<UserOrRoleEntity> &u, const QList<UserOrRoleEntity> &r) {
                    order.note("propertiesReady");
                    order.users = u;
                    order.roles = r;
                });
        connect(&worker, &GetEntityShareInfoWorker::linksReady, &order, [&](const QList<SharedLink> &l) {
            order.note("linksReady");
            order.links = l;
        });
        worker.getEntityShareInfo(id, EntityTypes::EntityType(type));
        QTRY_VERIFY_WITH_TIMEOUT(order.names.contains(QStringLiteral("workFinished")), 10000);
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(order.names, (QStringList{QStringLiteral("propertiesReady"), QStringLiteral("linksReady"),
                                           QStringLiteral("workFinished")}));
        QVERIFY(order.success);
        QCOMPARE(order.message, QString());
        QCOMPARE(describe(order.users), users);
        QCOMPARE(describe(order.roles), roles);
        QStringList links;
        for (const SharedLink &shared : qAsConst(order.links))
            links << QStringLiteral("%1 %2 type %3 lifetime %4 access %5")
                         .arg(shared.uid)
                         .arg(shared.entityId)
                         .arg(shared.type)
                         .arg(shared.lifeTime)
                         .arg(shared.accessType);
        QCOMPARE(links, link.isEmpty() ? QStringList() : QStringList{link});
        QCOMPARE(m_fixture.receivedRequests(),
                 QStringList{QStringLiteral("GET /api/v1/Share?entityId=%1&entityType=%2")
                                 .arg(id)
                                 .arg(EntityTypes::entityToString(EntityTypes::EntityType(type)))});
    }

    void shareInfoWithoutLinks()
    {
        const QJsonObject user{{QStringLiteral("PrincipalId"), 3}, {QStringLiteral("Type"), 5}};
        const QJsonObject body{{QStringLiteral("UserAccessRights"), QJsonArray{user}},
                               {QStringLiteral("RoleAccessRights"), QJsonArray()}};
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/Share"),
                               {{QStringLiteral("status"), 200}, {QStringLiteral("body"), body}}));
        GetEntityShareInfoWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetEntityShareInfoWorker::propertiesReady, &order,
                [&](const QList<UserOrRoleEntity> &u) {
                    order.note("propertiesReady");
                    order.users = u;
                });
        connect(&worker, &GetEntityShareInfoWorker::linksReady, &order, [&](const QList<SharedLink> &l) {
            order.note("linksReady");
            order.links = l;
        });
        worker.getEntityShareInfo(1001, EntityTypes::Document);
        QTRY_VERIFY_WITH_TIMEOUT(order.names.contains(QStringLiteral("workFinished")), 10000);
        QCOMPARE(order.names, (QStringList{QStringLiteral("propertiesReady"), QStringLiteral("linksReady"),
                                           QStringLiteral("workFinished")}));
        QCOMPARE(describe(order.users), QStringList{QStringLiteral("user 3 access 5")});
        QVERIFY(order.links.isEmpty());
    }

    void shareInfoFails()
    {
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/Share"), PortalRefusal::fault()));
        GetEntityShareInfoWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetEntityShareInfoWorker::propertiesReady, &order, [&] { order.note("propertiesReady"); });
        connect(&worker, &GetEntityShareInfoWorker::linksReady, &order, [&] { order.note("linksReady"); });
        worker.getEntityShareInfo(1001, EntityTypes::Document);
        QTRY_VERIFY_WITH_TIMEOUT(!order.names.isEmpty(), 10000);
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(order.names, QStringList{QStringLiteral("workFinished")});
        QVERIFY(!order.success);
        QCOMPARE(order.message, PortalRefusal::text());
    }

    void folderLink()
    {
        GetFolderLinkWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetFolderLinkWorker::uriReady, &order,
                [&](const QString &link, const QString &uri, const QString &uid) {
                    order.note("uriReady");
                    order.uri = QStringList{link, uri, uid};
                });
        worker.getFolderLink(113, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory);
        QTRY_VERIFY_WITH_TIMEOUT(order.names.contains(QStringLiteral("uriReady")), 10000);
        QCOMPARE(order.names, (QStringList{QStringLiteral("workFinished"), QStringLiteral("uriReady")}));
        QVERIFY(order.success);
        QCOMPARE(order.message, QString());

        // The link the portal now keeps for the folder.
        QString uid;
        for (const QJsonValue &share : m_fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
            const QJsonObject record = share.toObject();
            if (record.value(QStringLiteral("EntityId")).toInt() == 113)
                uid = record.value(QStringLiteral("Links")).toArray().first()
                          .toObject().value(QStringLiteral("Uid")).toString();
        }
        QVERIFY(!uid.isEmpty());
        const QString base = m_fixture.simulator().baseUrl();
        QCOMPARE(order.uri,
                 (QStringList{base + QStringLiteral("/link/") + uid, base + QStringLiteral("/s/") + uid, uid}));
    }

    void folderLinkFails()
    {
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/Link/Generate"), PortalRefusal::fault()));
        GetFolderLinkWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetFolderLinkWorker::uriReady, &order, [&] { order.note("uriReady"); });
        worker.getFolderLink(113, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory);
        QTRY_VERIFY_WITH_TIMEOUT(!order.names.isEmpty(), 10000);
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(order.names, QStringList{QStringLiteral("workFinished")});
        QCOMPARE(order.message, PortalRefusal::text());
    }

    void customerRoles()
    {
        GetCustomerRolesWorker worker(&m_fixture.dao());
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetCustomerRolesWorker::rolesReady, &order, [&](const QList<UserOrRoleEntity> &r) {
            order.note("rolesReady");
            order.roles = r;
        });
        worker.getCusotmerRoles();
        QTRY_VERIFY_WITH_TIMEOUT(order.names.contains(QStringLiteral("rolesReady")), 10000);
        QCOMPARE(order.names, (QStringList{QStringLiteral("workFinished"), QStringLiteral("rolesReady")}));
        QVERIFY(order.success);
        QCOMPARE(describe(order.roles), (QStringList{QStringLiteral("role 1 access -1 Accounting"),
                                                     QStringLiteral("role 2 access -1 Management"),
                                                     QStringLiteral("role 3 access -1 All staff")}));
        QTRY_COMPARE(m_fixture.dao().retrieveRoleById(2).value(QStringLiteral("name")).toString(),
                     QStringLiteral("Management"));
    }

    void customerRolesFail()
    {
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/Role"), PortalRefusal::fault()));
        GetCustomerRolesWorker worker(&m_fixture.dao());
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &GetCustomerRolesWorker::rolesReady, &order, [&] { order.note("rolesReady"); });
        worker.getCusotmerRoles();
        QTRY_VERIFY_WITH_TIMEOUT(!order.names.isEmpty(), 10000);
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(order.names, QStringList{QStringLiteral("workFinished")});
        QVERIFY(!order.success);
        QCOMPARE(order.message, PortalRefusal::text());
        QVERIFY(m_fixture.dao().retrieveRoleById(1).isEmpty());
    }

    void searchUsers_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("message");
        QTest::newRow("found") << QJsonObject() << true << QList<int>{2} << QString();
        QTest::newRow("portal error") << PortalRefusal::fault() << false << QList<int>() << PortalRefusal::text();
    }

    void searchUsers()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(bool, success);
        QFETCH(QList<int>, ids);
        QFETCH(QString, message);
        if (!fault.isEmpty())
            QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/User/Search"), fault));
        SearchUsersWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &SearchUsersWorker::searchResult, &order, [&](const QList<int> &found) {
            order.note("searchResult");
            order.ids = found;
        });
        worker.searchUsers(QStringLiteral("anna"));
        QTRY_VERIFY_WITH_TIMEOUT(order.names.contains(QStringLiteral("searchResult")), 10000);
        QCOMPARE(order.names, (QStringList{QStringLiteral("workFinished"), QStringLiteral("searchResult")}));
        QCOMPARE(order.success, success);
        QCOMPARE(order.message, message);
        QCOMPARE(order.ids, ids);
    }

    void searchShowsOnlyTheNewestText()
    {
        // The first search answers late, after the second one.
        const QJsonObject lateOnce{{QStringLiteral("mode"), QStringLiteral("hold")}, {QStringLiteral("count"), 1}};
        QVERIFY(m_fixture.fail(QStringLiteral("/api/v1/User/Search"), lateOnce));
        SearchUsersWorker worker;
        SignalOrder order;
        order.watch(&worker);
        connect(&worker, &SearchUsersWorker::searchResult, &order, [&](const QList<int> &found) {
            order.note("searchResult");
            order.ids = found;
        });
        worker.searchUsers(QStringLiteral("anna"));
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture.receivedRequests().size(), 1, 10000);
        worker.searchUsers(QStringLiteral("olga"));
        QTRY_VERIFY_WITH_TIMEOUT(order.names.contains(QStringLiteral("searchResult")), 10000);
        QVERIFY(m_fixture.simulator().releaseHeld());
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(m_fixture.receivedRequests().size(), 2);
        QCOMPARE(order.names, (QStringList{QStringLiteral("workFinished"), QStringLiteral("searchResult")}));
        QCOMPARE(order.ids, QList<int>{4});
    }
};

VELLIX_TEST_MAIN(TestSharingReaders, QCoreApplication)
#include "tst_sharingworkers_readers.moc"
