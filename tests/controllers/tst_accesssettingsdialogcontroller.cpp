#include "controllers/accesssettingsdialogcontroller.h"
#include "controllers/searchuserscontroller.h"
#include "controllers/selectgroupscontroller.h"
#include "models/customerrolesmodel.h"
#include "models/customerrolessortfiltermodel.h"
#include "models/usersandrolesmodel.h"
#include "models/usersmodel.h"
#include "operationfixture.h"
#include "portalrefusal.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QJsonArray>
#include <QtTest>

namespace {

constexpr auto s_fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

UserOrRoleEntity entity(int id, bool isGroup, qint16 access = 0)
{
    return {id, access, false, isGroup, QString()};
}

QStringList names(const QAbstractItemModel &model, int role)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 0).data(role).toString();
    return shown;
}

} // namespace

class TestAccessSettingsDialogController : public QObject
{
    Q_OBJECT

private:
    OperationFixture m_fixture;

    // The dialog of an entry with its access list loaded.
    void open(AccessSettingsDialogController &dialog, int id, EntityTypes::EntityType type)
    {
        dialog.setDao(&m_fixture.dao());
        dialog.setId(id);
        dialog.setType(type);
        dialog.update();
        QVERIFY(dialog.getPropertyInProcess());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.getPropertyInProcess(), 10000);
        // The names of users and groups the cache did not know arrive later.
        QTRY_VERIFY_WITH_TIMEOUT(!names(*dialog.usersAndRolesModel(), UsersAndRolesModel::NameRole).contains(QString()),
                                 10000);
    }

    // The bodies of the portal's bulk calls since the last reset, in order.
    QStringList bulkBodies()
    {
        QStringList bodies;
        for (const QJsonValue &request : m_fixture.simulator().requests()) {
            const QJsonObject object = request.toObject();
            if (object.value(QStringLiteral("path")).toString().endsWith(QStringLiteral("Bulk")))
                bodies << object.value(QStringLiteral("path")).toString().section(QLatin1Char('/'), -1) + QLatin1Char(' ')
                        + object.value(QStringLiteral("body")).toString();
        }
        return bodies;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void updateNeedsIdAndType_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::newRow("no id") << -1 << EntityTypes::Document;
        QTest::newRow("no type") << 1001 << EntityTypes::Unknown;
    }

    void updateNeedsIdAndType()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        AccessSettingsDialogController dialog;
        dialog.setDao(&m_fixture.dao());
        dialog.setId(id);
        dialog.setType(type);
        dialog.update();
        QCOMPARE(dialog.getPropertyInProcess(), false);
        QTest::qWait(200);
        QCOMPARE(m_fixture.requests(), QStringList());
    }

    void loadsTheAccessListWithNames_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("defaultLink");
        QTest::newRow("document") << 1001 << EntityTypes::Document << QStringList{"Anna Petrova"} << true;
        QTest::newRow("folder") << 113 << EntityTypes::Directory << QStringList{"Accounting"} << false;
    }

    void loadsTheAccessListWithNames()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(QStringList, shown);
        QFETCH(bool, defaultLink);
        AccessSettingsDialogController dialog;
        QAbstractItemModelTester tester(dialog.usersAndRolesModel(), s_fatal);
        QSignalSpy linkReady(&dialog, &AccessSettingsDialogController::defaultExternalAccessReady);
        open(dialog, id, type);
        QCOMPARE(names(*dialog.usersAndRolesModel(), UsersAndRolesModel::NameRole), shown);
        QCOMPARE(linkReady.count(), defaultLink ? 1 : 0);
        // Loaded once per empty list.
        QVERIFY(m_fixture.simulator().clearRequests());
        dialog.update();
        QCOMPARE(dialog.getPropertyInProcess(), false);
    }

    void refusedLoadShowsTheError()
    {
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Share"), PortalRefusal::fault()));
        AccessSettingsDialogController dialog;
        dialog.setDao(&m_fixture.dao());
        dialog.setId(1001);
        dialog.setType(EntityTypes::Document);
        dialog.update();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.getPropertyInProcess(), 10000);
        QCOMPARE(dialog.errorMessage(), PortalRefusal::text());
        QCOMPARE(dialog.usersAndRolesModel()->rowCount(), 0);
        // The roles are still read.
        QVERIFY(m_fixture.waitForRequest(QStringLiteral("/api/v1/Role")));
    }

    // Takes away exactly what was removed, then grants what is listed.
    void saveSendsTheDifference_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<bool>("load");
        QTest::addColumn<QList<UserOrRoleEntity>>("addedUsers");
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<QStringList>("bodies");
        QTest::newRow("emptied list") << 1001 << EntityTypes::Document << true << QList<UserOrRoleEntity>() << true
                                      << QStringList{"UnShareBulk [{\"AccessType\":\"Read\",\"Ids\":[1001],\"ToUserIds\":[2]}]",
                                                     "ShareBulk []"};
        QTest::newRow("nothing loaded") << 1001 << EntityTypes::Document << false << QList<UserOrRoleEntity>() << false
                                        << QStringList();
        QTest::newRow("user added, group removed")
            << 113 << EntityTypes::Directory << true << QList<UserOrRoleEntity>{entity(3, false, 1)} << true
            << QStringList{"UnShareBulk [{\"AccessType\":\"Read\",\"Ids\":[113],\"ToRoleIds\":[1]}]",
                           "ShareBulk [{\"AccessType\":\"Read\",\"Ids\":[113],\"ToUserIds\":[3]}]"};
    }

    void saveSendsTheDifference()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(bool, load);
        QFETCH(QList<UserOrRoleEntity>, addedUsers);
        QFETCH(bool, emptyList);
        QFETCH(QStringList, bodies);
        AccessSettingsDialogController dialog;
        QAbstractItemModelTester tester(dialog.usersAndRolesModel(), s_fatal);
        dialog.setDao(&m_fixture.dao());
        dialog.setId(id);
        dialog.setType(type);
        if (load)
            open(dialog, id, type);
        while (emptyList && dialog.usersAndRolesModel()->rowCount() > 0)
            dialog.removeEntity(0);
        dialog.setUsers(addedUsers);
        QVERIFY(m_fixture.simulator().clearRequests());
        QSignalSpy saved(&dialog, &AccessSettingsDialogController::accessRightsSaved);
        dialog.saveAccessRights();
        QVERIFY(saved.count() == 1 || saved.wait(10000));
        QCOMPARE(saved.first(), (QList<QVariant>{true, QString()}));
        QCOMPARE(dialog.connectionInProgress(), false);
        QCOMPARE(bulkBodies(), bodies);
    }

    void refusedSaveReachesThePage()
    {
        AccessSettingsDialogController dialog;
        open(dialog, 1001, EntityTypes::Document);
        dialog.removeEntity(0);
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Documents/UnShareBulk"), PortalRefusal::fault()));
        QSignalSpy saved(&dialog, &AccessSettingsDialogController::accessRightsSaved);
        dialog.saveAccessRights();
        QVERIFY(dialog.connectionInProgress());
        QVERIFY(saved.wait(10000));
        QCOMPARE(saved.first(), (QList<QVariant>{false, PortalRefusal::text()}));
        QCOMPARE(dialog.connectionFailed(), true);
        QCOMPARE(dialog.connectionInProgress(), false);
    }

    void laterDefaultLinkWins()
    {
        AccessSettingsDialogController dialog;
        dialog.setType(EntityTypes::Document);
        QSignalSpy ready(&dialog, &AccessSettingsDialogController::defaultExternalAccessReady);
        dialog.handleLinks({{QStringLiteral("a"), 1001, 0, 10, 1}, {QStringLiteral("b"), 1001, 0, 2, 4},
                            {QStringLiteral("c"), 1001, 0, 10, 4}});
        QCOMPARE(ready.count(), 1);
        QCOMPARE(dialog.defaultExternalLinkAccess(), 2);
    }

    void accessIndex_data()
    {
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<int>("access");
        QTest::addColumn<int>("index");
        QTest::newRow("document denied") << EntityTypes::Document << -1 << 3;
        QTest::newRow("document comment") << EntityTypes::Document << 1 << 1;
        QTest::newRow("folder edit") << EntityTypes::Directory << 4 << 1;
        QTest::newRow("folder comment") << EntityTypes::Directory << 1 << -1;
        QTest::newRow("unknown level") << EntityTypes::Document << 5 << -1;
    }

    void accessIndex()
    {
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(int, access);
        QFETCH(int, index);
        AccessSettingsDialogController dialog;
        dialog.setType(type);
        QCOMPARE(dialog.accessIndex(access), index);
    }

    void folderLink_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("generated") << false;
        QTest::newRow("refused") << true;
    }

    void folderLink()
    {
        QFETCH(bool, refused);
        if (refused)
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Link/Generate"), PortalRefusal::fault()));
        AccessSettingsDialogController dialog;
        dialog.setId(113);
        dialog.setType(EntityTypes::Directory);
        dialog.getLink(1);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.connectionFailed() || !dialog.externLink().isEmpty(), 10000);
        QCOMPARE(dialog.externLink().isEmpty(), refused);
        QCOMPARE(dialog.internLink().isEmpty(), refused);
        QCOMPARE(dialog.errorMessage(), refused ? PortalRefusal::text() : QString());
    }

    void searchMarksUsersAlreadyListed()
    {
        SearchUsersController search;
        QAbstractItemModelTester tester(search.usersModel(), s_fatal);
        search.setDao(&m_fixture.dao());
        search.setSelectedUsers({entity(2, false)});
        search.performSearch(QStringLiteral("vellix.local"));
        QTRY_VERIFY_WITH_TIMEOUT(!search.connectionInProgress(), 10000);
        QCOMPARE(search.usersModel()->rowCount(), 4);
        QCOMPARE(search.getSelectionIndexes(), QList<int>{2});
        search.reverseSelection(2);
        search.reverseSelection(99);
        QCOMPARE(search.getSelectionIndexes(), (QList<int>{2, 3}));
        // Chosen users enter the access list with access 0, named from the cache.
        QTRY_COMPARE_WITH_TIMEOUT(search.getSelectionEntities().first().name, QStringLiteral("Anna Petrova"), 10000);
        QCOMPARE(search.getSelectionEntities().last().access, qint16(0));
    }

    void refusedSearchShowsTheError()
    {
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/User/Search"), PortalRefusal::fault()));
        SearchUsersController search;
        search.performSearch(QStringLiteral("anna"));
        QTRY_VERIFY_WITH_TIMEOUT(search.connectionFailed(), 10000);
        QCOMPARE(search.errorMessage(), PortalRefusal::text());
        QCOMPARE(search.usersModel()->rowCount(), 0);
    }

    void groupPicker()
    {
        SelectGroupsController groups;
        QAbstractItemModelTester proxyTester(groups.groupsModel(), s_fatal);
        QAbstractItemModelTester sourceTester(groups.groupsModel()->sourceModel(), s_fatal);
        groups.setDao(&m_fixture.dao());
        groups.setSelectedRoles({entity(1, true)});
        groups.updateRoles();
        QTRY_VERIFY_WITH_TIMEOUT(!groups.connectionInProgress(), 10000);
        QCOMPARE(names(*groups.groupsModel(), CustomerRolesModel::NameRole),
                 (QStringList{"Accounting", "Management", "All staff"}));
        groups.reverseSelection(1);
        const QList<UserOrRoleEntity> chosen = groups.getSelectionEntities();
        QCOMPARE(chosen, (QList<UserOrRoleEntity>{entity(1, true), entity(2, true)}));
        QCOMPARE(chosen.last().access, qint16(0));
        QCOMPARE(chosen.last().name, QStringLiteral("Management"));
        groups.groupsModel()->setFilterRegularExpression(groups.escapeRegExp(QStringLiteral("All staff")));
        QCOMPARE(groups.groupsModel()->rowCount(), 1);
    }

    void escapedFilterMatchesItself_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("brackets and dots") << "R&D [team] (v1.2)";
        QTest::newRow("anchors and alternation") << "^a|b$ #1";
        QTest::newRow("quantifiers") << "a+b*c? {2}\\";
    }

    void escapedFilterMatchesItself()
    {
        QFETCH(QString, text);
        const QRegularExpression pattern(SelectGroupsController().escapeRegExp(text));
        QVERIFY(pattern.isValid());
        QCOMPARE(pattern.match(QStringLiteral("<") + text + QStringLiteral(">")).captured(), text);
    }
};

VELLIX_TEST_MAIN(TestAccessSettingsDialogController, QCoreApplication)
#include "tst_accesssettingsdialogcontroller.moc"
