#include "app/coreinit.h"
#include "controllers/folderpagecontroller.h"
#include "controllers/metafolderpagecontroller.h"
#include "controllers/mydocumentspagecontroller.h"
#include "controllers/portalfoldersorder.h"
#include "controllers/selectfolderdialogcontroller.h"
#include "controllers/trashpagecontroller.h"
#include "controllers/vellixofficepagecontroller.h"
#include "loadingfixture.h"
#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

namespace {
QStringList names(const QAbstractItemModel &model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown.append(model.index(row, 0).data(RemoteEntitiesModel::NameRole).toString());
    return shown;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Waits for the page's load to end, successfully or not.
bool loaded(ConnectionController &page)
{
    return QTest::qWaitFor([&page] { return !page.connectionInProgress(); }, 15000);
}
} // namespace

class TestFolderPages : public QObject
{
    Q_OBJECT

private:
    template <typename Page>
    void attach(Page &page)
    {
        page.setSettings(&m_settings);
        page.setDao(&m_fixture.dao());
    }
    // The names the portal lists in a folder now.
    QStringList portalNames(int folderId);

    LoadingFixture m_fixture;
    Settings m_settings;

private slots:
    void initTestCase();
    void init();
    void pageShowsCacheAndMergesRefresh();
    void failedLoadKeepsRows_data();
    void failedLoadKeepsRows();
    void clearedTrashLeavesThePage();
    void rootPageOrder_data();
    void rootPageOrder();
    void rootPageAgainstPortal();
    void selectFolderDialog();
    void metaFolderPages_data();
    void metaFolderPages();
    void folderPageForwards();
};

void TestFolderPages::initTestCase()
{
    CoreInit::registerTypes();
    QVERIFY(m_fixture.start());
}

void TestFolderPages::init()
{
    QVERIFY(m_fixture.reset());
}

QStringList TestFolderPages::portalNames(int folderId)
{
    QStringList result;
    for (const QJsonValue &entry : LoadingFixture::children(m_fixture.portalFolders(folderId)))
        result.append(entry.toObject().value(QStringLiteral("Name")).toString());
    for (const QJsonValue &entry : m_fixture.portalDocuments(folderId))
        result.append(entry.toObject().value(QStringLiteral("Name")).toString());
    return sorted(result);
}

void TestFolderPages::pageShowsCacheAndMergesRefresh()
{
    MyDocumentsPageController loader;
    attach(loader);
    loader.setFolderId(100);
    QSignalSpy finished(&loader, &MyDocumentsPageController::foldersAndFilesLoadingFinished);
    loader.loadFoldersAndFiles(100);
    QVERIFY(loaded(loader));
    QCOMPARE(finished.count(), 1);

    // A second page shows the cached rows at once.
    MyDocumentsPageController page;
    RemoteSortFilterModel view;
    view.setSourceModel(page.entitiesModel());
    QAbstractItemModelTester tester(&view, QAbstractItemModelTester::FailureReportingMode::Fatal);
    attach(page);
    page.setFolderId(100);
    QCOMPARE(sorted(names(view)), portalNames(100));
    const int welcomeRow = names(view).indexOf(QStringLiteral("Welcome.docx"));
    const QPersistentModelIndex welcome = view.index(welcomeRow, 0);
    const QPersistentModelIndex projects = view.index(names(view).indexOf(QStringLiteral("Projects")), 0);
    QSignalSpy reset(&view, &QAbstractItemModel::modelReset);

    // Renamed, added, removed and a changed flag on the portal.
    m_fixture.portal("GET", QStringLiteral("/api/v1/Documents/Rename?id=1005&name=Memo.txt"));
    m_fixture.portal("POST", QStringLiteral("/api/v1/DocumentDirectory/AddSubDirectory"),
                     {{QStringLiteral("Name"), QStringLiteral("Plans")}, {QStringLiteral("ParentId"), 100}});
    m_fixture.portal("POST", QStringLiteral("/api/v1/Documents/Delete"), {{QStringLiteral("Ids"), QJsonArray{1004}}});
    m_fixture.portal("POST", QStringLiteral("/api/v1/Favorites/Add"),
                     {{QStringLiteral("EntityIds"), QJsonArray{1006}}, {QStringLiteral("Type"), QStringLiteral("Document")}});
    const QStringList expected = portalNames(100);
    QVERIFY(expected.contains(QStringLiteral("Memo.txt")) && !expected.contains(QStringLiteral("Contract.pdf")));

    loader.loadFoldersAndFiles(100);
    QVERIFY(loaded(loader));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(sorted(names(view)), expected);
    QCOMPARE(sorted(names(*loader.entitiesModel())), expected);
    QCOMPARE(reset.count(), 0);
    QVERIFY(welcome.isValid() && projects.isValid());
    QCOMPARE(welcome.data(RemoteEntitiesModel::NameRole).toString(), QStringLiteral("Welcome.docx"));
    QCOMPARE(projects.data(RemoteEntitiesModel::NameRole).toString(), QStringLiteral("Projects"));
    const int logo = names(view).indexOf(QStringLiteral("Logo.png"));
    QCOMPARE(view.index(logo, 0).data(RemoteEntitiesModel::FavoriteRole).toBool(), true);
}

void TestFolderPages::failedLoadKeepsRows_data()
{
    LoadingFixture::failureClasses({PortalPath::s_folders, PortalPath::s_documents});
}

void TestFolderPages::failedLoadKeepsRows()
{
    QFETCH(QString, path);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, message);
    TrashPageController page;
    QAbstractItemModelTester tester(page.entitiesModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    attach(page);
    page.setFolderId(105);
    page.loadFoldersAndFiles(105);
    QVERIFY(loaded(page));
    const QStringList cached = names(*page.entitiesModel());
    QCOMPARE(sorted(cached), portalNames(105));

    QVERIFY(m_fixture.fail(path, fault));
    page.loadFoldersAndFiles(105);
    QVERIFY(page.connectionInProgress());
    QVERIFY(loaded(page));
    QCOMPARE(page.connectionFailed(), true);
    QCOMPARE(page.errorMessage(), message);
    QCOMPARE(names(*page.entitiesModel()), cached);
    page.resetView();
    QVERIFY(m_fixture.simulator().clearFaults());
}

void TestFolderPages::clearedTrashLeavesThePage()
{
    TrashPageController page;
    attach(page);
    page.setFolderId(105);
    page.loadFoldersAndFiles(105);
    QVERIFY(loaded(page));
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

void TestFolderPages::rootPageOrder_data()
{
    QTest::addColumn<QStringList>("portal");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QStringList>("shown");
    const QStringList order = PortalFoldersOrder::order;
    QStringList reversed = order;
    std::reverse(reversed.begin(), reversed.end());
    QTest::newRow("any order in display order") << reversed << QList<int>{6, 5, 4, 3, 2, 1} << order;
    QTest::newRow("other names left out") << QStringList{QStringLiteral("Общие документы"), order.at(5), order.at(0)}
                                          << QList<int>{9, 6, 1} << QStringList{order.at(0), order.at(5)};
    QTest::newRow("first of equal names") << QStringList{order.at(1), order.at(1)} << QList<int>{7, 8}
                                          << QStringList{order.at(1)};
    QTest::newRow("no id, not shown") << QStringList{order.at(2), order.at(3)} << QList<int>{0, 4}
                                      << QStringList{order.at(3)};
}

void TestFolderPages::rootPageOrder()
{
    QFETCH(QStringList, portal);
    QFETCH(QList<int>, ids);
    QFETCH(QStringList, shown);
    QList<FolderElementEntity> entities;
    for (int i = 0; i < portal.size(); ++i) {
        FolderElementEntity entity;
        entity.name = portal.at(i);
        entity.id = ids.at(i);
        entities.append(entity);
    }
    QStringList result;
    for (const FolderElementEntity &entity : VellixOfficePageController::prepareEntities(entities))
        result.append(entity.name);
    QCOMPARE(result, shown);
}

void TestFolderPages::rootPageAgainstPortal()
{
    VellixOfficePageController page;
    QAbstractItemModelTester tester(page.entitiesModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    attach(page);
    QSignalSpy finished(&page, &VellixOfficePageController::foldersLoadingFinished);
    page.loadFolders();
    QVERIFY(loaded(page));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(names(*page.entitiesModel()), PortalFoldersOrder::order);
    QTRY_COMPARE(page.property("userFullName").toString(), m_settings.userFullName());
}

void TestFolderPages::selectFolderDialog()
{
    VellixOfficePageController root;
    attach(root);
    root.loadFolders();
    QVERIFY(loaded(root));

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

void TestFolderPages::metaFolderPages_data()
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

void TestFolderPages::metaFolderPages()
{
    QFETCH(int, type);
    QFETCH(int, folderId);
    QFETCH(QStringList, shown);
    MetaFolderPageController page;
    QAbstractItemModelTester tester(page.entitiesModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    attach(page);
    page.setProperty("directoryType", type);
    page.setFolderId(folderId);
    QSignalSpy finished(&page, &MetaFolderPageController::filesLoadingFinished);
    page.loadFoldersAndFiles(folderId);
    QVERIFY(loaded(page));
    QCOMPARE(finished.count(), shown.isEmpty() ? 0 : 1);
    QCOMPARE(sorted(names(*page.entitiesModel())), shown);
    if (shown.isEmpty())
        QVERIFY(m_fixture.receivedRequests().isEmpty());
}

void TestFolderPages::folderPageForwards()
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

VELLIX_TEST_MAIN(TestFolderPages, QCoreApplication)
#include "tst_folderpages.moc"
