#include "app/coreinit.h"
#include "controllers/accesssettingsdialogcontroller.h"
#include "controllers/folderpagecontroller.h"
#include "controllers/metafolderpagecontroller.h"
#include "controllers/mydocumentspagecontroller.h"
#include "controllers/portalfoldersorder.h"
#include "controllers/remotesearchpagecontroller.h"
#include "controllers/remoteselectpagecontroller.h"
#include "controllers/searchuserscontroller.h"
#include "controllers/selectfolderdialogcontroller.h"
#include "controllers/selectgroupscontroller.h"
#include "controllers/trashpagecontroller.h"
#include "controllers/vellixofficepagecontroller.h"
#include "models/customerrolesmodel.h"
#include "models/customerrolessortfiltermodel.h"
#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "models/usersandrolesmodel.h"
#include "models/usersmodel.h"
#include "operationfixture.h"
#include "portalrefusal.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

constexpr auto s_fatal = QAbstractItemModelTester::FailureReportingMode::Fatal;
const QString s_link = QStringLiteral("/api/v1/Link/Generate");

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList names(const QAbstractItemModel &model, int role = RemoteEntitiesModel::NameRole)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row, 0).data(role).toString();
    return shown;
}

// Waits for the page's load to end, successfully or not.
bool loaded(ConnectionController &page)
{
    return QTest::qWaitFor([&page] { return !page.connectionInProgress(); }, 15000);
}

// "id:name:size" words; a size below 0 makes a folder.
QList<FolderElementEntity> entities(const QString &text)
{
    QList<FolderElementEntity> list;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        FolderElementEntity entity;
        entity.id = word.section(QLatin1Char(':'), 0, 0).toInt();
        entity.name = word.section(QLatin1Char(':'), 1, 1);
        entity.size = word.section(QLatin1Char(':'), 2, 2).toInt();
        entity.isFile = entity.size >= 0;
        list.append(entity);
    }
    return list;
}


} // namespace

// The folder, search and selection pages, the user search and group picker, and the access
// settings dialog they feed, against the portal simulator.
class TestPageControllers : public QObject
{
    Q_OBJECT

private:
    OperationFixture m_fixture;
    Settings m_settings;
    std::unique_ptr<AccessSettingsDialogController> m_dialog;
    std::unique_ptr<QAbstractItemModelTester> m_dialogTester;

    template <typename Page>
    void attach(Page &page)
    {
        page.setSettings(&m_settings);
        page.setDao(&m_fixture.dao());
    }

    // The names the portal lists in a folder now.
    QStringList portalNames(int folderId)
    {
        QStringList result;
        for (const QJsonValue &entry : LoadingFixture::children(m_fixture.loading().portalFolders(folderId)))
            result << entry.toObject().value(QStringLiteral("Name")).toString();
        for (const QJsonValue &entry : m_fixture.loading().portalDocuments(folderId))
            result << entry.toObject().value(QStringLiteral("Name")).toString();
        return sorted(result);
    }

    // A fresh dialog on an entity, loading its access list unless told not to.
    void openDialog(int id, EntityTypes::EntityType type, bool load = true)
    {
        m_dialog = std::make_unique<AccessSettingsDialogController>();
        m_dialogTester = std::make_unique<QAbstractItemModelTester>(m_dialog->usersAndRolesModel(), s_fatal);
        m_dialog->setDao(&m_fixture.dao());
        m_dialog->setId(id);
        m_dialog->setType(type);
        if (load)
            m_dialog->update();
    }

    // The roles and user names the load asks for meanwhile have arrived after the settling.
    bool dialogLoaded()
    {
        return QTest::qWaitFor([&] { return !m_dialog->getPropertyInProcess(); }, 10000) && TestEnvironment::settle();
    }

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

    // The portal's links of an entity as sorted "<lifetime>:<access>" words.
    QStringList portalLinks(int id)
    {
        QStringList links;
        for (const QJsonValue &share : m_fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
            if (share.toObject().value(QStringLiteral("EntityId")).toInt() != id)
                continue;
            for (const QJsonValue &link : share.toObject().value(QStringLiteral("Links")).toArray())
                links << QStringLiteral("%1:%2").arg(link.toObject().value(QStringLiteral("LifeTime")).toInt())
                             .arg(link.toObject().value(QStringLiteral("AccessType")).toInt());
        }
        links.sort();
        return links;
    }

    // Empty when the portal received nothing.
    QString firstRequestBody()
    {
        return m_fixture.simulator().requests().first().toObject().value(QStringLiteral("body")).toString();
    }


private slots:
    void initTestCase()
    {
        CoreInit::registerTypes();
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void cleanup()
    {
        QVERIFY(TestEnvironment::settle());
        m_dialogTester.reset();
        m_dialog.reset();
    }

    void pageShowsCacheThenRefreshOrRefusal()
    {
        // A page shows the rows cached by an earlier load at once.
        MyDocumentsPageController page;
        RemoteSortFilterModel view;
        view.setSourceModel(page.entitiesModel());
        QAbstractItemModelTester tester(&view, s_fatal);
        attach(page);
        page.setFolderId(100);
        QCOMPARE(sorted(names(view)), portalNames(100));

        // Renamed, added and removed on the portal; how rows merge is the model cases' matter.
        LoadingFixture &portal = m_fixture.loading();
        portal.portal("GET", QStringLiteral("/api/v1/Documents/Rename?id=1005&name=Memo.txt"));
        portal.portal("POST", QStringLiteral("/api/v1/DocumentDirectory/AddSubDirectory"),
                      {{QStringLiteral("Name"), QStringLiteral("Plans")}, {QStringLiteral("ParentId"), 100}});
        portal.portal("POST", QStringLiteral("/api/v1/Documents/Delete"), {{QStringLiteral("Ids"), QJsonArray{1004}}});
        const QStringList expected = portalNames(100);
        QVERIFY(expected.contains(QStringLiteral("Memo.txt")) && !expected.contains(QStringLiteral("Contract.pdf")));

        MyDocumentsPageController loader;
        attach(loader);
        loader.setFolderId(100);
        QSignalSpy finished(&loader, &MyDocumentsPageController::foldersAndFilesLoadingFinished);
        loader.loadFoldersAndFiles(100);
        QVERIFY(loaded(loader));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(sorted(names(view)), expected);
        QCOMPARE(sorted(names(*loader.entitiesModel())), expected);

        // A refused load is shown and keeps the rows; one refusal, as the loading worker cases
        // cross the failure kinds.
        QVERIFY(m_fixture.simulator().setFault(PortalPath::s_documents, PortalRefusal::fault()));
        loader.loadFoldersAndFiles(100);
        QVERIFY(loader.connectionInProgress());
        QVERIFY(loaded(loader));
        QCOMPARE(loader.connectionFailed(), true);
        QCOMPARE(loader.errorMessage(), PortalRefusal::text());
        QCOMPARE(sorted(names(*loader.entitiesModel())), expected);
    }

    void clearedTrashLeavesThePage()
    {
        TrashPageController page;
        attach(page);
        page.setFolderId(105);
        QVERIFY(page.entitiesModel()->rowCount() > 0);
        QSignalSpy clearing(&page, &TrashPageController::trashClearInProcessChanged);
        page.clearTrash();
        QVERIFY(page.trashClearInProcess());
        QTRY_VERIFY_WITH_TIMEOUT(!page.trashClearInProcess(), 20000);
        QCOMPARE(page.errorMessage(), QString());
        QCOMPARE(page.connectionFailed(), false);
        QTRY_COMPARE_WITH_TIMEOUT(page.entitiesModel()->rowCount(), 0, 15000);
        QCOMPARE(clearing.count(), 2);
    }

    // "<place>:<id>" words: a folder named by its place in the display order, or -1 for another name.
    void rootPageOrder_data()
    {
        QTest::addColumn<QString>("portal");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("any order in display order") << "5:6 4:5 3:4 2:3 1:2 0:1" << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("other names left out") << "-1:9 5:6 0:1" << QList<int>{0, 5};
        QTest::newRow("first of equal names") << "1:7 1:8" << QList<int>{1};
        QTest::newRow("no id, not shown") << "2:0 3:4" << QList<int>{3};
    }

    void rootPageOrder()
    {
        QFETCH(QString, portal);
        QFETCH(QList<int>, shown);
        const QStringList order = PortalFoldersOrder::order;
        QList<FolderElementEntity> entities;
        for (const QString &word : portal.split(QLatin1Char(' '))) {
            const int place = word.section(QLatin1Char(':'), 0, 0).toInt();
            FolderElementEntity entity;
            entity.name = place < 0 ? QStringLiteral("Общие документы") : order.at(place);
            entity.id = word.section(QLatin1Char(':'), 1).toInt();
            entities << entity;
        }
        QStringList expected;
        for (const int place : shown)
            expected << order.at(place);
        QStringList result;
        for (const FolderElementEntity &entity : VellixOfficePageController::prepareEntities(entities))
            result << entity.name;
        QCOMPARE(result, expected);
    }

    // The root page in display order, and the destination picker that starts in My documents below it.
    void rootPageAndSelectFolderDialog()
    {
        VellixOfficePageController root;
        QAbstractItemModelTester tester(root.entitiesModel(), s_fatal);
        attach(root);
        QSignalSpy finished(&root, &VellixOfficePageController::foldersLoadingFinished);
        root.loadFolders();
        QVERIFY(loaded(root));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(names(*root.entitiesModel()), PortalFoldersOrder::order);
        QTRY_COMPARE(root.property("userFullName").toString(), m_settings.userFullName());

        SelectFolderDialogController dialog;
        attach(dialog);
        dialog.setParentName(QStringLiteral("kept"));
        dialog.loadFoldersAndFiles(0);
        QCOMPARE(dialog.folderId(), 100);
        QCOMPARE(dialog.parentId(), 0);
        QCOMPARE(dialog.parentName(), QStringLiteral("kept"));
        QVERIFY(loaded(dialog));
        QCOMPARE(sorted(names(*dialog.entitiesModel())),
                 sorted({QStringLiteral("Photos"), QStringLiteral("Projects"), QStringLiteral("Reports")}));

        dialog.loadFoldersAndFiles(110);
        QVERIFY(loaded(dialog));
        dialog.loadFoldersAndFiles(111);
        QVERIFY(loaded(dialog));
        QCOMPARE(dialog.parentId(), 110);
        QCOMPARE(dialog.parentName(), QStringLiteral("Projects"));
        QCOMPARE(root.retrieveFoldersPath(111).size(), 3);
    }

    void metaFolderPages_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Common") << int(DirectoryType::Common) << 10
                                << sorted({"Company policies", "Templates", "Company logo.png", "Phone list.txt"});
        QTest::newRow("Available for me") << int(DirectoryType::Virtual) << 101
                                          << sorted({"Shared with the team", "Presentation for Demo.pptx"});
        QTest::newRow("Favorite is not a meta folder") << int(DirectoryType::Favorite) << 102 << QStringList();
    }

    void metaFolderPages()
    {
        QFETCH(int, type);
        QFETCH(int, folderId);
        QFETCH(QStringList, shown);
        MetaFolderPageController page;
        QAbstractItemModelTester tester(page.entitiesModel(), s_fatal);
        attach(page);
        page.setProperty("directoryType", type);
        page.setFolderId(folderId);
        QSignalSpy finished(&page, &MetaFolderPageController::filesLoadingFinished);
        page.loadFoldersAndFiles(folderId);
        QVERIFY(loaded(page));
        QCOMPARE(finished.count(), shown.isEmpty() ? 0 : 1);
        QCOMPARE(sorted(names(*page.entitiesModel())), shown);
        if (shown.isEmpty())
            QCOMPARE(m_fixture.requests(), QStringList());
    }

    void folderPageForwards()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import com.vellix.VellixOfficeAurora 1.0\n"
                          "FolderPageController { subController: MyDocumentsPageController {} }",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *folderPage = qobject_cast<FolderPageController *>(object.get());
        auto *sub = qobject_cast<MyDocumentsPageController *>(folderPage->subController());
        QVERIFY(sub);

        // Not initialised: nothing is forwarded.
        QSignalSpy progress(folderPage, &ConnectionController::connectionInProgressChanged);
        folderPage->loadFoldersAndFiles(100);
        QCOMPARE(sub->connectionInProgress(), false);
        sub->showErrorMessage(QStringLiteral("failed"));
        QCOMPARE(folderPage->errorMessage(), QString());
        QCOMPARE(folderPage->connectionFailed(), false);

        attach(*sub);
        QCOMPARE(folderPage->errorMessage(), QStringLiteral("failed"));
        sub->resetView();
        const int relayed = progress.count();
        folderPage->loadFoldersAndFiles(100);
        QCOMPARE(folderPage->property("connectionInProgress").toBool(), true);
        QVERIFY(loaded(*folderPage));
        QVERIFY(progress.count() >= relayed + 2);
    }

    void typingStartsOneSearch()
    {
        RemoteSearchPageController page;
        QAbstractItemModelTester tester(page.entitiesModel(), s_fatal);
        QSignalSpy progress(&page, &ConnectionController::connectionInProgressChanged);
        for (const char *text : {"r", "re", "report"}) {
            page.performSearch(QString::fromLatin1(text));
            QTest::qWait(100);
        }
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 2, 15000);
        QCOMPARE(m_fixture.requestCount(PortalPath::s_search), 1);
        QCOMPARE(sorted(names(*page.entitiesModel())), QStringList({"Q1 report.docx", "Q1 report.pdf", "Reports"}));
        // Every result lies below My documents.
        QVERIFY(page.getFolderPath(0).contains(100));
        QCOMPARE(page.getFolderNames(0).size(), page.getFolderPath(0).size());
    }

    void staleSearchAnswersAreDropped_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("field cleared") << "" << QStringList();
        QTest::newRow("typed on") << "Budget" << QStringList({"Budget 2024.xlsx"});
    }

    void staleSearchAnswersAreDropped()
    {
        QFETCH(QString, next);
        QFETCH(QStringList, shown);
        // The first answer comes while the user is still typing the next query.
        QVERIFY(m_fixture.simulator().setFault(PortalPath::s_search, {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                                      {QStringLiteral("delayMs"), 400},
                                                                      {QStringLiteral("count"), 1}}));
        RemoteSearchPageController page;
        QAbstractItemModelTester tester(page.entitiesModel(), s_fatal);
        page.performSearch(QStringLiteral("Welcome"));
        QTRY_VERIFY_WITH_TIMEOUT(page.connectionInProgress(), 5000);
        page.performSearch(next.left(1));
        QCOMPARE(page.entitiesModel()->rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!page.connectionInProgress(), 15000);
        QCOMPARE(page.entitiesModel()->rowCount(), 0);
        QSignalSpy progress(&page, &ConnectionController::connectionInProgressChanged);
        page.performSearch(next);
        if (!next.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 2, 15000);
        QCOMPARE(names(*page.entitiesModel()), shown);
    }

    // The search field and the group filter escape what is typed: it matches itself and nothing else.
    void escapedTextMatchesItself_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Report";
        QTest::newRow("every special character") << "-[]{}()*+?.,\\^$|#";
        QTest::newRow("white space") << "a b\tc";
        QTest::newRow("file name") << "R&D #1 100% + plan (draft).txt";
    }

    void escapedTextMatchesItself()
    {
        QFETCH(QString, text);
        for (const QString &escaped : {RemoteSearchPageController().escapeRegExp(text),
                                       SelectGroupsController().escapeRegExp(text)}) {
            const QRegularExpression expression(QRegularExpression::anchoredPattern(escaped));
            QVERIFY2(expression.isValid(), qPrintable(expression.errorString()));
            QVERIFY(expression.match(text).hasMatch());
            QVERIFY(!expression.match(text + QLatin1Char('x')).hasMatch());
            QVERIFY(!expression.match(QString(text.size(), QLatin1Char('x'))).hasMatch());
        }
    }

    void selection_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QList<int>>("select");
        QTest::addColumn<QString>("refreshed");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("hasEmptyFile");
        QTest::newRow("zero-byte file") << "1:a:0 2:b:5" << QList<int>{1} << "" << 1 << true;
        QTest::newRow("empty folder is not an empty file") << "1:a:-1 2:b:5" << QList<int>{1, 2} << "" << 2 << false;
        // A refresh replaces the rows under the selection: the counts are taken again.
        QTest::newRow("selected empty file removed") << "1:a:0 2:b:5 3:c:7" << QList<int>{1} << "2:b:5 3:c:7" << 0
                                                     << false;
        QTest::newRow("selected rows replaced") << "1:a:0 2:b:5 3:c:1" << QList<int>{1, 3} << "1:a:0 2:b:5 3:c:1"
                                                << 0 << false;
    }

    void selection()
    {
        QFETCH(QString, rows);
        QFETCH(QList<int>, select);
        QFETCH(QString, refreshed);
        QFETCH(int, count);
        QFETCH(bool, hasEmptyFile);
        RemoteEntitiesModel model;
        RemoteSortFilterModel proxy;
        proxy.setSourceModel(&model);
        QAbstractItemModelTester tester(&proxy, s_fatal);
        model.setEntitiesData(entities(rows));
        RemoteSelectPageController page;
        page.setEntitiesModel(&proxy);
        for (const int id : select) {
            for (int row = 0; row < proxy.rowCount(); ++row) {
                if (proxy.index(row, 0).data(RemoteEntitiesModel::IdRole).toInt() == id)
                    page.reverseSelection(row);
            }
        }
        QCOMPARE(page.getSelected().size(), select.size());
        if (!refreshed.isEmpty())
            model.setEntitiesData(entities(refreshed));
        QCOMPARE(page.selectedCount(), count);
        QCOMPARE(page.hasEmptyFile(), hasEmptyFile);
        QCOMPARE(page.getSelectedFileIds().size() + page.getSelectedFolderIds().size(), count);

        page.selectAll();
        QCOMPARE(page.selectedCount(), proxy.rowCount());
        QCOMPARE(page.getSelectedFileNames().size() + page.getSelectedFolderNames().size(), proxy.rowCount());
        page.deselectAll();
        QCOMPARE(page.selectedCount(), 0);
        QCOMPARE(page.hasEmptyFile(), false);
    }

    // Users and groups merge by kind; a name that was still empty is filled
    // in, a shown name and the access level stay.
    void accessListMerge()
    {
        UsersAndRolesModel model;
        QAbstractItemModelTester tester(&model, s_fatal);
        model.setNewRoles({principal(1, 1, true, QStringLiteral("Accounting"))});
        model.setNewUsers({principal(2, 0), principal(3, 0, false, QStringLiteral("Ivan"))});
        QVERIFY(model.setData(model.index(1), 4, UsersAndRolesModel::AccessRole));
        QVERIFY(!model.setData(model.index(1), 4, UsersAndRolesModel::AccessRole));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setNewUsers({principal(2, 0, false, "Anna Petrova"), principal(3, 0, false, "I. S.")});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(2).value<QVector<int>>(), QVector<int>{UsersAndRolesModel::NameRole});
        QCOMPARE(names(model, UsersAndRolesModel::NameRole), (QStringList{"Accounting", "Anna Petrova", "Ivan"}));
        QCOMPARE(model.index(1).data(UsersAndRolesModel::AccessRole).toInt(), 4);
        model.setNewUsers({principal(3, 0)});
        QCOMPARE(names(model, UsersAndRolesModel::NameRole), (QStringList{"Accounting", "Ivan"}));
        model.removeEntity(5);
        model.removeEntity(0);
        QCOMPARE(model.currentRoles(), QList<UserOrRoleEntity>());
        QCOMPARE(model.currentUsers(), QList<UserOrRoleEntity>{principal(3, 0)});
    }

    void userSearch_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("answered") << false;
        QTest::newRow("refused") << true;
    }

    void userSearch()
    {
        QFETCH(bool, refused);
        if (refused)
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/User/Search"), PortalRefusal::fault()));
        SearchUsersController search;
        QAbstractItemModelTester tester(search.usersModel(), s_fatal);
        search.setDao(&m_fixture.dao());
        search.setSelectedUsers({principal(2, 0)});
        search.performSearch(QStringLiteral("vellix.local"));
        QVERIFY(search.connectionInProgress());
        QTRY_VERIFY_WITH_TIMEOUT(!search.connectionInProgress(), 10000);
        QCOMPARE(search.connectionFailed(), refused);
        QCOMPARE(search.errorMessage(), refused ? PortalRefusal::text() : QString());
        QCOMPARE(search.usersModel()->rowCount(), refused ? 0 : 4);
        if (refused)
            return;
        // Users already in the access list are marked.
        QCOMPARE(search.getSelectionIndexes(), QList<int>{2});
        search.reverseSelection(2);
        search.reverseSelection(99);
        QCOMPARE(search.getSelectionIndexes(), (QList<int>{2, 3}));
        // Chosen users enter the access list with access 0, named from the cache.
        QTRY_COMPARE_WITH_TIMEOUT(search.getSelectionEntities().first().name, QStringLiteral("Anna Petrova"), 10000);
        QCOMPARE(search.getSelectionEntities().last().access, qint16(0));
    }

    void groupPicker()
    {
        SelectGroupsController groups;
        QAbstractItemModelTester proxyTester(groups.groupsModel(), s_fatal);
        QAbstractItemModelTester sourceTester(groups.groupsModel()->sourceModel(), s_fatal);
        groups.setDao(&m_fixture.dao());
        groups.setSelectedRoles({principal(1, 0, true)});
        groups.updateRoles();
        QTRY_VERIFY_WITH_TIMEOUT(!groups.connectionInProgress(), 10000);
        QCOMPARE(names(*groups.groupsModel(), CustomerRolesModel::NameRole),
                 (QStringList{"Accounting", "Management", "All staff"}));
        groups.reverseSelection(1);
        const QList<UserOrRoleEntity> chosen = groups.getSelectionEntities();
        QCOMPARE(chosen, (QList<UserOrRoleEntity>{principal(1, 0, true), principal(2, 0, true)}));
        QCOMPARE(chosen.last().access, qint16(0));
        QCOMPARE(chosen.last().name, QStringLiteral("Management"));
        groups.groupsModel()->setFilterRegularExpression(groups.escapeRegExp(QStringLiteral("All staff")));
        QCOMPARE(groups.groupsModel()->rowCount(), 1);
    }

    void accessDialogLoads_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("extraLink");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("linkAccess");
        QTest::addColumn<bool>("failed");
        const QStringList anna{QStringLiteral("u2:0:Anna Petrova")};
        const auto document = EntityTypes::Document;
        const auto folder = EntityTypes::Directory;
        QTest::newRow("document shared with a user, read-only link")
            << 1001 << document << QString() << QString() << anna << 0 << false;
        // Of two links with lifetime 10 the later one counts.
        QTest::newRow("document with a second editing link")
            << 1001 << document << QString() << "Id=1001&lifetime=10&accessType=5&type=2" << anna << 2 << false;
        QTest::newRow("folder shared with a group, no link")
            << 113 << folder << QString() << QString() << QStringList{"g1:0:Accounting"} << -1 << false;
        // A list that did not load does not pass for an empty one; the roles are still asked for.
        QTest::newRow("access list refused") << 113 << folder << "/api/v1/Share" << QString() << QStringList() << -1
                                             << true;
        QTest::newRow("roles refused") << 113 << folder << "/api/v1/Role" << QString()
                                       << QStringList{"g1:0:Unnamed role"} << -1 << false;
        QTest::newRow("no id") << -1 << document << QString() << QString() << QStringList() << -1 << false;
        QTest::newRow("no type") << 1001 << EntityTypes::Unknown << QString() << QString() << QStringList() << -1
                                 << false;
    }

    void accessDialogLoads()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(QString, refused);
        QFETCH(QString, extraLink);
        QFETCH(QStringList, rows);
        QFETCH(int, linkAccess);
        QFETCH(bool, failed);
        if (!extraLink.isEmpty())
            QVERIFY(!m_fixture.loading().portal("GET", s_link + QLatin1Char('?') + extraLink).isNull());
        if (!refused.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(refused, PortalRefusal::fault()));
        openDialog(id, type);
        QSignalSpy linkReady(m_dialog.get(), &AccessSettingsDialogController::defaultExternalAccessReady);
        const bool asks = id >= 0 && type != EntityTypes::Unknown;
        QCOMPARE(m_dialog->getPropertyInProcess(), asks);
        QVERIFY(dialogLoaded());
        QCOMPARE(shownRows(), rows);
        if (!asks) {
            QCOMPARE(m_fixture.requests(), QStringList());
            return;
        }
        QCOMPARE(m_fixture.requestCount(QStringLiteral("/api/v1/Role")), 1);
        QCOMPARE(m_dialog->connectionFailed(), failed);
        QCOMPARE(m_dialog->errorMessage(), failed ? PortalRefusal::text() : QString());
        QCOMPARE(linkReady.count(), linkAccess < 0 ? 0 : 1);
        QCOMPARE(m_dialog->defaultExternalLinkAccess(), linkAccess);
        if (failed)
            return;
        // A list already shown is not loaded again.
        const int shareRequests = m_fixture.requestCount(QStringLiteral("/api/v1/Share"));
        m_dialog->update();
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(m_fixture.requestCount(QStringLiteral("/api/v1/Share")), shareRequests);
    }

    // The dialog's levels reach the portal one higher (read 0 → 1, comment 1 → 2, edit 4 → 5).
    void accessDialogSavesTheEdits_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        // "+u<id>" / "+g<id>" adds a user or group with access 0, "-<row>" removes a row, "<row>=<level>" sets it.
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QStringList>("rightsAfter");
        // Only those removed lose their access, with the level they had.
        QTest::addColumn<QString>("unshared");
        const QString userTwo = QStringLiteral(R"([{"AccessType":"Read","Ids":[1001],"ToUserIds":[2]}])");
        const QString groupOne = QStringLiteral(R"([{"AccessType":"Read","Ids":[113],"ToRoleIds":[1]}])");
        const auto document = EntityTypes::Document;
        const auto folder = EntityTypes::Directory;
        QTest::newRow("document: user and group added, one raised to edit, the old user removed")
            << 1001 << document << QStringList{"+u3", "+g2", "1=4", "-0"} << QString() << QStringList{"u3:5", "g2:1"}
            << userTwo;
        QTest::newRow("document: level changed to comment")
            << 1001 << document << QStringList{"0=1"} << QString() << QStringList{"u2:2"} << "[]";
        QTest::newRow("folder: list emptied") << 113 << folder << QStringList{"-0"} << QString() << QStringList()
                                              << groupOne;
        QTest::newRow("document never shared, nothing added")
            << 1002 << document << QStringList() << QString() << QStringList() << QString();
        // One refusal: the save worker cases refuse each of its steps.
        QTest::newRow("share refused") << 1001 << document << QStringList{"+u3"} << "/api/v1/Documents/ShareBulk"
                                       << QStringList{"u2:1"} << QString();
    }

    void accessDialogSavesTheEdits()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(QStringList, edits);
        QFETCH(QString, refused);
        QFETCH(QStringList, rightsAfter);
        QFETCH(QString, unshared);
        openDialog(id, type);
        QVERIFY(dialogLoaded());
        for (const QString &edit : edits) {
            if (edit.startsWith(QLatin1String("+u")))
                m_dialog->setUsers(m_dialog->currentUsers() << principal(edit.mid(2).toInt(), 0));
            else if (edit.startsWith(QLatin1String("+g")))
                m_dialog->setRoles(m_dialog->currentRoles() << principal(edit.mid(2).toInt(), 0, true));
            else if (edit.startsWith(QLatin1Char('-')))
                m_dialog->removeEntity(edit.mid(1).toInt());
            else
                m_dialog->setAccess(edit.section(QLatin1Char('='), 0, 0).toInt(),
                                    edit.section(QLatin1Char('='), 1).toInt());
        }
        if (!refused.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(refused, PortalRefusal::fault()));
        QVERIFY(m_fixture.simulator().clearRequests());
        QSignalSpy saved(m_dialog.get(), &AccessSettingsDialogController::accessRightsSaved);
        m_dialog->saveAccessRights();
        QCOMPARE(m_dialog->connectionInProgress(), !edits.isEmpty() && saved.isEmpty());
        QVERIFY(saved.count() == 1 || saved.wait(10000));
        QCOMPARE(saved.count(), 1);
        const QString error = refused.isEmpty() ? QString() : PortalRefusal::text();
        QCOMPARE(saved.first(), (QVariantList{refused.isEmpty(), error}));
        QVERIFY(!m_dialog->connectionInProgress());
        QCOMPARE(m_dialog->connectionFailed(), !refused.isEmpty());
        QCOMPARE(m_dialog->errorMessage(), error);
        QCOMPARE(m_fixture.portalRights(id, type == EntityTypes::Document), rightsAfter);
        if (!refused.isEmpty()) {
            // The save worker's own notification stays.
            QCOMPARE(m_fixture.notifications(1).value(0).body, QStringLiteral("Error edit access"));
            return;
        }
        if (edits.isEmpty()) {
            QCOMPARE(m_fixture.requests(), QStringList());
            return;
        }
        QCOMPARE(firstRequestBody(), unshared);
        // A second save compares with what the first one saved: nothing is taken away twice.
        QVERIFY(m_fixture.simulator().clearRequests());
        m_dialog->saveAccessRights();
        QVERIFY(saved.count() == 2 || saved.wait(10000));
        QCOMPARE(saved.last().at(0).toBool(), true);
        QCOMPARE(m_fixture.portalRights(id, type == EntityTypes::Document), rightsAfter);
        QCOMPARE(firstRequestBody(), rightsAfter.isEmpty() ? QString() : QStringLiteral("[]"));
    }
    void accessDialogLinks_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<EntityTypes::EntityType>("type");
        QTest::addColumn<int>("access");
        QTest::addColumn<QString>("portalLink");
        QTest::addColumn<bool>("fails");
        QTest::newRow("document, editing") << 1002 << EntityTypes::Document << 4 << "10:5" << false;
        QTest::newRow("document, comments") << 1002 << EntityTypes::Document << 1 << "10:2" << false;
        QTest::newRow("folder, read only") << 114 << EntityTypes::Directory << 0 << "10:1" << false;
        // Both link workers end in one handler.
        QTest::newRow("folder refused") << 114 << EntityTypes::Directory << 0 << QString() << true;
    }

    void accessDialogLinks()
    {
        QFETCH(int, id);
        QFETCH(EntityTypes::EntityType, type);
        QFETCH(int, access);
        QFETCH(QString, portalLink);
        QFETCH(bool, fails);
        if (fails)
            QVERIFY(m_fixture.simulator().setFault(s_link, PortalRefusal::fault()));
        openDialog(id, type, false);
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
        QCOMPARE(portalLinks(id), QStringList{portalLink});
        QCOMPARE(externChanged.count(), 1);
        QVERIFY(m_dialog->externLink().startsWith(m_fixture.simulator().baseUrl() + QStringLiteral("/link/")));
        QVERIFY(m_dialog->internLink().startsWith(m_fixture.simulator().baseUrl() + QStringLiteral("/s/")));
    }
};

VELLIX_TEST_MAIN(TestPageControllers, QCoreApplication)
#include "tst_pagecontrollers.moc"
