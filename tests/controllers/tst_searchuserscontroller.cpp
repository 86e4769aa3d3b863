#include "controllers/searchuserscontroller.h"
#include "controllers/selectgroupscontroller.h"
#include "models/customerrolesmodel.h"
#include "models/customerrolessortfiltermodel.h"
#include "models/usersandrolesmodel.h"
#include "models/usersmodel.h"
#include "operationsuite.h"
#include "portalrefusal.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QtTest>

namespace {

constexpr auto s_fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;

UserOrRoleEntity entity(int id, bool isGroup, qint16 access = 0, const QString &name = QString())
{
    return {id, access, false, isGroup, name};
}

QStringList names(const QAbstractItemModel &model, int role)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 0).data(role).toString();
    return shown;
}

} // namespace

// The user search and group picker of the access settings dialog, and the
// access list they feed.
class TestSearchUsersController : public OperationSuite
{
    Q_OBJECT

private slots:
    // Users and groups merge by kind; a name that was still empty is filled
    // in, a shown name and the access level stay.
    void accessListMerge()
    {
        UsersAndRolesModel model;
        QAbstractItemModelTester tester(&model, s_fatal);
        model.setNewRoles({entity(1, true, 1, QStringLiteral("Accounting"))});
        model.setNewUsers({entity(2, false), entity(3, false, 0, QStringLiteral("Ivan"))});
        QVERIFY(model.setData(model.index(1), 4, UsersAndRolesModel::AccessRole));
        QVERIFY(!model.setData(model.index(1), 4, UsersAndRolesModel::AccessRole));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setNewUsers({entity(2, false, 0, QStringLiteral("Anna Petrova")), entity(3, false, 0, QStringLiteral("I. S."))});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(2).value<QVector<int>>(), QVector<int>{UsersAndRolesModel::NameRole});
        QCOMPARE(names(model, UsersAndRolesModel::NameRole), (QStringList{"Accounting", "Anna Petrova", "Ivan"}));
        QCOMPARE(model.index(1).data(UsersAndRolesModel::AccessRole).toInt(), 4);
        model.setNewUsers({entity(3, false)});
        QCOMPARE(names(model, UsersAndRolesModel::NameRole), (QStringList{"Accounting", "Ivan"}));
        model.removeEntity(5);
        model.removeEntity(0);
        QCOMPARE(model.currentRoles(), QList<UserOrRoleEntity>());
        QCOMPARE(model.currentUsers(), QList<UserOrRoleEntity>{entity(3, false)});
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

VELLIX_TEST_MAIN(TestSearchUsersController, QCoreApplication)
#include "tst_searchuserscontroller.moc"
