#include "controllers/accesssettingsdialogcontroller.h"
#include "models/usersandrolesmodel.h"
#include "operationsuite.h"
#include "portalrefusal.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QtTest>

#include <memory>

namespace {

constexpr auto s_fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;
const QString s_link = QStringLiteral("/api/v1/Link/Generate");

// An edit of the page: remove a row, add a user or group (access 0), or set a row's level.
struct Edit
{
    enum Kind { Remove, AddUser, AddGroup, SetLevel } kind;
    int value;
    int level = 0;
};
using Edits = QList<Edit>;

} // namespace

Q_DECLARE_METATYPE(Edit)

// The access settings dialog against the portal simulator: the access list it
// loads, the edits it saves and the links it obtains.
class TestAccessSettingsDialogController : public OperationSuite
{
    Q_OBJECT

private:
    std::unique_ptr<AccessSettingsDialogController> m_dialog;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    // Rows as "u<id>:<level>:<name>" (g for groups); the dialog's levels.
    QStringList shownRows() const
    {
        QStringList rows;
        const UsersAndRolesModel *model = m_dialog->usersAndRolesModel();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row);
            rows << QStringLiteral("%1%2:%3:%4")
                        .arg(index.data(UsersAndRolesModel::IsGroupRole).toBool() ? 'g' : 'u')
                        .arg(index.data(UsersAndRolesModel::IdRole).toInt())
                        .arg(index.data(UsersAndRolesModel::AccessRole).toInt())
                        .arg(index.data(UsersAndRolesModel::NameRole).toString());
        }
        return rows;
    }

    // The portal's access list as sorted "u<id>:<level>" / "g<id>:<level>", and its links as "<lifetime>:<access>".
    QStringList portalShare(int id, const QString &list)
    {
        QStringList entries;
        for (const QJsonValue &value : m_fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
            const QJsonObject share = value.toObject();
            if (share.value(QStringLiteral("EntityId")).toInt() != id)
                continue;
            for (const QJsonValue &entry : share.value(list).toArray()) {
                const QJsonObject object = entry.toObject();
                if (list == QLatin1String("Links"))
                    entries << QStringLiteral("%1:%2").arg(object.value(QStringLiteral("LifeTime")).toInt())
                                   .arg(object.value(QStringLiteral("AccessType")).toInt());
                else
                    entries << QStringLiteral("%1%2:%3").arg(list == QLatin1String("Roles") ? 'g' : 'u')
                                   .arg(object.value(QStringLiteral("PrincipalId")).toInt())
                                   .arg(object.value(QStringLiteral("Type")).toInt());
            }
        }
        entries.sort();
        return entries;
    }

    QStringList portalRights(int id)
    {
        return portalShare(id, QStringLiteral("Users")) + portalShare(id, QStringLiteral("Roles"));
    }

    // Empty when the portal received nothing.
    QString firstRequestBody()
    {
        return m_fixture.simulator().requests().first().toObject().value(QStringLiteral("body")).toString();
    }

    void open(int id, EntityTypes::EntityType type)
    {
        m_dialog->setId(id);
        m_dialog->setType(type);
        m_dialog->update();
    }

    bool loaded(int id, EntityTypes::EntityType type)
    {
        open(id, type);
        // The roles and user names it asks for meanwhile have arrived after the settling.
        return QTest::qWaitFor([&] { return !m_dialog->getPropertyInProcess(); }, 10000) && TestEnvironment::settle();
    }

    void prepare() override
    {
        m_dialog = std::make_unique<AccessSettingsDialogController>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_dialog->usersAndRolesModel(), s_fatal);
        m_dialog->setDao(&m_fixture.dao());
    }

private slots:
    void cleanup()
    {
        QVERIFY(TestEnvironment::settle());
        m_tester.reset();
        m_dialog.reset();
    }

    void loads_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<QString>("extraLink");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("linkAccess");
        QTest::newRow("document shared with a user, read-only link")
            << 1001 << EntityTypes::Document << QString() << QStringList{QStringLiteral("u2:0:Anna Petrova")} << 0;
        // Of two links with lifetime 10 the later one counts.
        QTest::newRow("document with a second editing link")
            << 1001 << EntityTypes::Document << QStringLiteral("Id=1001&lifetime=10&accessType=5&type=2")
            << QStringList{QStringLiteral("u2:0:Anna Petrova")} << 2;
        QTest::newRow("folder shared with a group, no link")
            << 113 << EntityTypes::Directory << QString() << QStringList{QStringLiteral("g1:0:Accounting")} << -1;
        QTest::newRow("no id") << -1 << EntityTypes::Document << QString() << QStringList() << -1;
        QTest::newRow("no type") << 1001 << EntityTypes::Unknown << QString() << QStringList() << -1;
    }

    void loads()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(QString, extraLink);
        QFETCH(QStringList, rows);
        QFETCH(int, linkAccess);
        if (!extraLink.isEmpty())
            QVERIFY(!m_fixture.loading().portal("GET", s_link + QLatin1Char('?') + extraLink).isNull());
        QSignalSpy linkReady(m_dialog.get(), &AccessSettingsDialogController::defaultExternalAccessReady);
        QSignalSpy loading(m_dialog.get(), &AccessSettingsDialogController::getPropertyInProcessChanged);
        open(id, type);
        if (rows.isEmpty()) {
            QVERIFY(TestEnvironment::settle());
            QCOMPARE(loading.count(), 0);
            QCOMPARE(m_fixture.requests(), QStringList());
            return;
        }
        QVERIFY(m_dialog->getPropertyInProcess());
        QTRY_COMPARE_WITH_TIMEOUT(shownRows(), rows, 10000);
        QVERIFY(!m_dialog->getPropertyInProcess());
        QCOMPARE(linkReady.count(), linkAccess < 0 ? 0 : 1);
        QCOMPARE(m_dialog->defaultExternalLinkAccess(), linkAccess);
        // A list already shown is not loaded again.
        QVERIFY(TestEnvironment::settle());
        const int shareRequests = m_fixture.requestCount(QStringLiteral("/api/v1/Share"));
        m_dialog->update();
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(m_fixture.requestCount(QStringLiteral("/api/v1/Share")), shareRequests);
    }

    void loadFailures_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("shown");
        // A list that did not load does not pass for an empty one; the roles are still asked for.
        QTest::newRow("access list refused") << QStringLiteral("/api/v1/Share") << QStringList() << true;
        QTest::newRow("roles refused") << QStringLiteral("/api/v1/Role")
                                       << QStringList{QStringLiteral("g1:0:Unnamed role")} << false;
    }

    void loadFailures()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, rows);
        QFETCH(bool, shown);
        QVERIFY(m_fixture.simulator().setFault(failing, PortalRefusal::fault()));
        QVERIFY(loaded(113, EntityTypes::Directory));
        QCOMPARE(shownRows(), rows);
        QCOMPARE(m_fixture.requestCount(QStringLiteral("/api/v1/Role")), 1);
        QCOMPARE(m_dialog->connectionFailed(), shown);
        QCOMPARE(m_dialog->errorMessage(), shown ? PortalRefusal::text() : QString());
    }

    void savesTheEdits_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QStringList>("rightsAfter");
        QTest::addColumn<bool>("sharedAfter");
        // Only those removed lose their access, with the level they had.
        QTest::addColumn<QString>("unshared");
        const QString userTwo = QStringLiteral(R"([{"AccessType":"Read","Ids":[1001],"ToUserIds":[2]}])");
        const QString groupOne = QStringLiteral(R"([{"AccessType":"Read","Ids":[113],"ToRoleIds":[1]}])");
        QTest::newRow("document: user and group added, one raised to edit, the old user removed")
            << 1001 << EntityTypes::Document
            << Edits{{Edit::AddUser, 3}, {Edit::AddGroup, 2}, {Edit::SetLevel, 1, 4}, {Edit::Remove, 0}}
            << QStringList{QStringLiteral("u3:5"), QStringLiteral("g2:1")} << true << userTwo;
        QTest::newRow("document: level changed to comment")
            << 1001 << EntityTypes::Document << Edits{{Edit::SetLevel, 0, 1}} << QStringList{QStringLiteral("u2:2")}
            << true << QStringLiteral("[]");
        QTest::newRow("folder: group replaced by a user")
            << 113 << EntityTypes::Directory << Edits{{Edit::Remove, 0}, {Edit::AddUser, 4}}
            << QStringList{QStringLiteral("u4:1")} << true << groupOne;
        QTest::newRow("folder: list emptied") << 113 << EntityTypes::Directory << Edits{{Edit::Remove, 0}}
                                              << QStringList() << false << groupOne;
        QTest::newRow("document never shared, nothing added")
            << 1002 << EntityTypes::Document << Edits() << QStringList() << false << QString();
    }

    void savesTheEdits()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(Edits, edits);
        QFETCH(QStringList, rightsAfter);
        QFETCH(bool, sharedAfter);
        QFETCH(QString, unshared);
        QVERIFY(loaded(id, type));
        for (const Edit &edit : edits) {
            switch (edit.kind) {
            case Edit::Remove:
                m_dialog->removeEntity(edit.value);
                break;
            case Edit::AddUser:
                m_dialog->setUsers(m_dialog->currentUsers()
                                   << UserOrRoleEntity{edit.value, 0, false, false, QString()});
                break;
            case Edit::AddGroup:
                m_dialog->setRoles(m_dialog->currentRoles() << UserOrRoleEntity{edit.value, 0, false, true, QString()});
                break;
            case Edit::SetLevel:
                m_dialog->setAccess(edit.value, edit.level);
                break;
            }
        }
        QVERIFY(m_fixture.simulator().clearRequests());
        QSignalSpy saved(m_dialog.get(), &AccessSettingsDialogController::accessRightsSaved);
        m_dialog->saveAccessRights();
        QVERIFY(saved.count() == 1 || saved.wait(10000));
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().at(0).toBool(), true);
        QVERIFY(!m_dialog->connectionInProgress());
        QVERIFY(!m_dialog->connectionFailed());
        QCOMPARE(portalRights(id), rightsAfter);
        if (edits.isEmpty()) {
            QCOMPARE(m_fixture.requests(), QStringList());
            return;
        }
        QCOMPARE(firstRequestBody(), unshared);
        QCOMPARE(m_fixture.cachedValue(id, type == EntityTypes::Document, QStringLiteral("is_shared")).toBool(),
                 sharedAfter);
        // A second save compares with what the first one saved: nothing is taken away twice.
        QVERIFY(m_fixture.simulator().clearRequests());
        m_dialog->saveAccessRights();
        QVERIFY(saved.count() == 2 || saved.wait(10000));
        QCOMPARE(saved.last().at(0).toBool(), true);
        QCOMPARE(portalRights(id), rightsAfter);
        QCOMPARE(firstRequestBody(), rightsAfter.isEmpty() ? QString() : QStringLiteral("[]"));
    }

    void saveFailureIsReported_data()
    {
        QTest::addColumn<QString>("failingStep");
        QTest::newRow("unshare") << QStringLiteral("/api/v1/Documents/UnShareBulk");
        QTest::newRow("share") << QStringLiteral("/api/v1/Documents/ShareBulk");
    }

    void saveFailureIsReported()
    {
        QFETCH(QString, failingStep);
        QVERIFY(loaded(1001, EntityTypes::Document));
        QVERIFY(m_fixture.simulator().setFault(failingStep, PortalRefusal::fault()));
        m_dialog->removeEntity(0);
        QSignalSpy saved(m_dialog.get(), &AccessSettingsDialogController::accessRightsSaved);
        m_dialog->saveAccessRights();
        QVERIFY(m_dialog->connectionInProgress());
        QVERIFY(saved.wait(10000));
        QCOMPARE(saved.first(), (QVariantList{false, PortalRefusal::text()}));
        QVERIFY(!m_dialog->connectionInProgress());
        QVERIFY(m_dialog->connectionFailed());
        QCOMPARE(m_dialog->errorMessage(), PortalRefusal::text());
        // The save worker's own notification stays.
        QCOMPARE(m_fixture.notifications(1).value(0).body, QStringLiteral("Error edit access"));
    }

    void links_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<int>("access");
        QTest::addColumn<QString>("portalLink");
        QTest::addColumn<bool>("fails");
        QTest::newRow("document, editing") << 1002 << EntityTypes::Document << 4 << "10:5" << false;
        QTest::newRow("document, comments") << 1002 << EntityTypes::Document << 1 << "10:2" << false;
        QTest::newRow("folder, read only") << 114 << EntityTypes::Directory << 0 << "10:1" << false;
        QTest::newRow("document refused") << 1002 << EntityTypes::Document << 0 << QString() << true;
        QTest::newRow("folder refused") << 114 << EntityTypes::Directory << 0 << QString() << true;
    }

    void links()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(int, access);
        QFETCH(QString, portalLink);
        QFETCH(bool, fails);
        if (fails)
            QVERIFY(m_fixture.simulator().setFault(s_link, PortalRefusal::fault()));
        m_dialog->setId(id);
        m_dialog->setType(type);
        QSignalSpy externChanged(m_dialog.get(), &AccessSettingsDialogController::externLinkChanged);
        m_dialog->getLink(access);
        QVERIFY(m_dialog->connectionInProgress());
        QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->connectionInProgress(), 10000);
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(m_dialog->connectionFailed(), fails);
        if (fails) {
            QCOMPARE(m_dialog->errorMessage(), PortalRefusal::text());
            QCOMPARE(externChanged.count(), 0);
            QCOMPARE(m_dialog->externLink(), QString());
            return;
        }
        QCOMPARE(portalShare(id, QStringLiteral("Links")), QStringList{portalLink});
        QCOMPARE(externChanged.count(), 1);
        QVERIFY(m_dialog->externLink().startsWith(m_fixture.simulator().baseUrl() + QStringLiteral("/link/")));
        QVERIFY(m_dialog->internLink().startsWith(m_fixture.simulator().baseUrl() + QStringLiteral("/s/")));
    }
};

VELLIX_TEST_MAIN(TestAccessSettingsDialogController, QCoreApplication)
#include "tst_accesssettingsdialogcontroller.moc"
