#include "controllers/fileactionscontroller.h"
#include "controllers/fileandfolderactionscontroller.h"
#include "controllers/folderactionscontroller.h"
#include "models/entitytypes.h"
#include "portalrefusal.h"
#include "securestorage/sstorewrapper.h"
#include "testenvironment.h"
#include "transferfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QtTest>

#include <functional>

namespace {

struct Controllers
{
    FileActionsController file;
    FolderActionsController folder;
    FileAndFolderActionsController mixed;
    QString target;

    QList<ActionsController *> all() { return {&file, &folder, &mixed}; }
};

// An action as a page starts it, and what portal and cache show once it succeeded.
using Action = std::function<void(Controllers &)>;
using Check = std::function<bool(TransferFixture &)>;

const QString s_notes = QStringLiteral("Notes.txt");
const QString s_photos = QStringLiteral("Photos");
const CopyFolderFlags::Flags s_overwrite = CopyFolderFlags::Overwrite;

QJsonObject portalEntry(TransferFixture &fixture, int id, bool isFile)
{
    const QJsonArray entries =
        fixture.simulator().state().value(isFile ? QStringLiteral("documents") : QStringLiteral("folders")).toArray();
    for (const QJsonValue &entry : entries) {
        if (entry.toObject().value(QStringLiteral("Id")).toInt() == id)
            return entry.toObject();
    }
    return {};
}

Check inPortalFolder(int id, bool isFile, int folderId)
{
    return [=](TransferFixture &fixture) {
        const QString parentKey = isFile ? QStringLiteral("DirectoryId") : QStringLiteral("ParentId");
        return portalEntry(fixture, id, isFile).value(parentKey).toInt() == folderId;
    };
}

Check portalHolds(int folderId, const QString &name)
{
    return [=](TransferFixture &fixture) { return fixture.portalListing(folderId).filter(name).size() > 0; };
}

Check uncached(int id, bool isFile)
{
    return [=](TransferFixture &fixture) { return !fixture.isCached(id, isFile); };
}

Check cachedAs(int id, bool isFile, const QString &column, const QVariant &value)
{
    return [=](TransferFixture &fixture) { return fixture.cachedValue(id, isFile, column) == value; };
}

Check both(const Check &first, const Check &second)
{
    return [=](TransferFixture &fixture) { return first(fixture) && second(fixture); };
}

Check sharedWith(int id, EntityTypes::EntityType entityType, int userId, bool shared)
{
    return [=](TransferFixture &fixture) {
        for (const QJsonValue &share : fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
            const QJsonObject object = share.toObject();
            if (object.value(QStringLiteral("EntityId")).toInt() != id
                || object.value(QStringLiteral("EntityType")).toInt() != entityType)
                continue;
            for (const QJsonValue &user : object.value(QStringLiteral("Users")).toArray()) {
                if (user.toObject().value(QStringLiteral("PrincipalId")).toInt() == userId)
                    return shared;
            }
        }
        return !shared;
    };
}

Check savedAs(const QString &name)
{
    return [=](TransferFixture &fixture) { return QFile::exists(fixture.targetFolder() + QLatin1Char('/') + name); };
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Check)

class TestActionsController : public QObject
{
    Q_OBJECT

private:
    TransferFixture m_fixture;

    void prepare(Controllers &controllers, DirectoryType::RootDirectoryTypes root)
    {
        controllers.target = m_fixture.targetFolder();
        for (ActionsController *controller : controllers.all()) {
            controller->setDao(&m_fixture.dao());
            controller->setFolderType(root);
        }
    }

    // Runs the action and waits until the controller that ran it is idle again.
    static ActionsController *run(Controllers &controllers, const Action &action)
    {
        action(controllers);
        for (ActionsController *controller : controllers.all()) {
            if (controller->connectionInProgress()) {
                if (!QTest::qWaitFor([controller] { return !controller->connectionInProgress(); }, 30000))
                    return nullptr;
                return controller;
            }
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
        QVERIFY(m_fixture.simulator().setTaskSteps(1));
    }

    void actions_data()
    {
        QTest::addColumn<DirectoryType::RootDirectoryTypes>("root");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("endpoint");
        QTest::addColumn<Check>("done");
        const auto myDocuments = DirectoryType::MyDocuments;
        const auto trash = DirectoryType::Trash;

        QTest::newRow("move file to trash") << myDocuments
            << Action([](Controllers &c) { c.file.moveToTrash(1005, s_notes); })
            << "/api/v1/Documents/Delete" << both(uncached(1005, true), inPortalFolder(1005, true, 105));
        QTest::newRow("rename file") << myDocuments
            << Action([](Controllers &c) { c.file.renameFile(1005, s_notes, QStringLiteral("Memo.txt")); })
            << "/api/v1/Documents/Rename" << cachedAs(1005, true, QStringLiteral("name"), QStringLiteral("Memo.txt"));
        QTest::newRow("copy file") << myDocuments
            << Action([](Controllers &c) { c.file.copyFile({1005}, 113, {s_notes}); })
            << "/api/v1/Documents/Copy" << portalHolds(113, s_notes);
        QTest::newRow("duplicate file") << myDocuments
            << Action([](Controllers &c) { c.file.duplicateFile({1005}, 100, s_notes); })
            << "/api/v1/Documents/Copy"
            << Check([](TransferFixture &f) { return f.cachedListing(100).filter(QStringLiteral("Notes")).size() == 2; });
        QTest::newRow("move file") << myDocuments
            << Action([](Controllers &c) { c.file.moveFile({1005}, 113, {s_notes}); })
            << "/api/v1/Documents/Move" << inPortalFolder(1005, true, 113);
        QTest::newRow("share file") << myDocuments
            << Action([](Controllers &c) { c.file.shareFile(1005, 3, 0, s_notes); })
            << "/api/v1/Documents/Share" << sharedWith(1005, EntityTypes::Document, 3, true);
        QTest::newRow("unshare file") << myDocuments
            << Action([](Controllers &c) { c.file.unShareFile(1001, 2, 0, QStringLiteral("Welcome.docx")); })
            << "/api/v1/Documents/UnShare" << sharedWith(1001, EntityTypes::Document, 2, false);
        QTest::newRow("add favorite") << myDocuments
            << Action([](Controllers &c) { c.file.addFileToFavorites(1005, s_notes); })
            << "/api/v1/Favorites/Add" << cachedAs(1005, true, QStringLiteral("is_favorite"), 1);
        QTest::newRow("remove favorites") << myDocuments
            << Action([](Controllers &c) { c.file.deleteFileFromFavorites({1002}, {QStringLiteral("Budget 2024.xlsx")}); })
            << "/api/v1/Favorites/Delete" << cachedAs(1002, true, QStringLiteral("is_favorite"), 0);
        QTest::newRow("remove selected favorites") << myDocuments
            << Action([](Controllers &c) {
                   c.file.deleteSelectedFilesFromFavorites({{1002, QStringLiteral("Budget 2024.xlsx")},
                                                            {1003, QStringLiteral("Roadmap.pptx")}});
               })
            << "/api/v1/Favorites/Delete"
            << both(cachedAs(1002, true, QStringLiteral("is_favorite"), 0),
                    cachedAs(1003, true, QStringLiteral("is_favorite"), 0));
        QTest::newRow("restore file") << trash
            << Action([](Controllers &c) { c.file.restoreFile(1051, 100, QStringLiteral("Old budget.xlsx")); })
            << "/api/v1/Documents/Restore" << both(uncached(1051, true), inPortalFolder(1051, true, 100));
        QTest::newRow("download file") << myDocuments
            << Action([](Controllers &c) { c.file.downloadTo(1005, c.target, s_notes); })
            << "/api/v1/Documents/Download" << savedAs(s_notes);

        QTest::newRow("move folder") << myDocuments
            << Action([](Controllers &c) { c.folder.moveFolder({114}, 110, s_overwrite, {s_photos}); })
            << "/api/v1/DocumentDirectory/Move" << inPortalFolder(114, false, 110);
        QTest::newRow("copy folder") << myDocuments
            << Action([](Controllers &c) { c.folder.copyFolder({114}, 110, s_overwrite, {s_photos}); })
            << "/api/v1/DocumentDirectory/Copy" << portalHolds(110, s_photos);
        QTest::newRow("delete folder") << myDocuments
            << Action([](Controllers &c) { c.folder.deleteFolder(114, s_photos); })
            << "/api/v1/DocumentDirectory/Delete" << both(uncached(114, false), inPortalFolder(114, false, 105));
        QTest::newRow("rename folder") << myDocuments
            << Action([](Controllers &c) { c.folder.renameFolder(114, QStringLiteral("Pictures"), s_photos); })
            << "/api/v1/DocumentDirectory/Rename"
            << cachedAs(114, false, QStringLiteral("name"), QStringLiteral("Pictures"));
        QTest::newRow("restore folder") << trash
            << Action([](Controllers &c) { c.folder.restoreFolder(120, 100, s_overwrite, QStringLiteral("Drafts")); })
            << "/api/v1/DocumentDirectory/Restore" << both(uncached(120, false), inPortalFolder(120, false, 100));
        QTest::newRow("share folder") << myDocuments
            << Action([](Controllers &c) { c.folder.shareFolder(114, 3, 1, s_photos); })
            << "/api/v1/DocumentDirectory/Share" << sharedWith(114, EntityTypes::Directory, 3, true);
        QTest::newRow("unshare folder") << myDocuments
            << Action([](Controllers &c) { c.folder.unshareFolder(210, 1, 1, QStringLiteral("Anna's folder")); })
            << "/api/v1/DocumentDirectory/UnShare" << sharedWith(210, EntityTypes::Directory, 1, false);
        QTest::newRow("download folder archive") << myDocuments
            << Action([](Controllers &c) { c.folder.downloadFolderAsArchive(114, s_photos, c.target); })
            << "/api/v1/DocumentDirectory/Archive" << savedAs(QStringLiteral("Photos.zip"));

        // The mixed operations act on My documents or the Trash, whatever the page.
        QTest::newRow("copy selection") << DirectoryType::Favorite
            << Action([](Controllers &c) {
                   c.mixed.copySelectedFilesAndFolders({1005}, {114}, {s_notes}, {s_photos}, 113, s_overwrite);
               })
            << "/api/v1/Documents/Copy"
            << both(both(portalHolds(113, s_notes), portalHolds(113, s_photos)),
                    Check([](TransferFixture &f) { return f.cachedListing(113).filter(s_notes).size() == 1; }));
        QTest::newRow("move selection") << DirectoryType::Favorite
            << Action([](Controllers &c) {
                   c.mixed.moveSelectedFilesAndFolders({1005}, {114}, {s_notes}, {s_photos}, 113, s_overwrite);
               })
            << "/api/v1/Documents/Move" << both(inPortalFolder(1005, true, 113), inPortalFolder(114, false, 113));
        QTest::newRow("restore selection") << DirectoryType::Favorite
            << Action([](Controllers &c) {
                   c.mixed.restoreSelectedFilesAndFolders({1051}, {120}, {QStringLiteral("Old budget.xlsx")},
                                                          {QStringLiteral("Drafts")}, 100, s_overwrite);
               })
            << "/api/v1/Documents/Restore" << both(uncached(1051, true), uncached(120, false));
        QTest::newRow("delete selection") << myDocuments
            << Action([](Controllers &c) {
                   c.mixed.deleteSelectedFilesAndFolders({{1005, s_notes}}, {{114, s_photos}});
               })
            << "/api/v1/Documents/Delete" << both(uncached(1005, true), uncached(114, false));
    }

    void actions()
    {
        QFETCH(DirectoryType::RootDirectoryTypes, root);
        QFETCH(Action, action);
        QFETCH(QString, endpoint);
        QFETCH(Check, done);
        Controllers controllers;
        prepare(controllers, root);
        QSignalSpy fileUpdates(&controllers.file, &ActionsController::needUpdate);
        QSignalSpy folderUpdates(&controllers.folder, &ActionsController::needUpdate);
        QSignalSpy mixedUpdates(&controllers.mixed, &ActionsController::needUpdate);

        ActionsController *controller = run(controllers, action);
        QVERIFY(controller);
        QCOMPARE(controller->connectionFailed(), false);
        QCOMPARE(fileUpdates.count() + folderUpdates.count() + mixedUpdates.count() > 0, true);
        QVERIFY(m_fixture.requestCount(endpoint.mid(QStringLiteral("/api/v1/").size())) > 0);
        QVERIFY(done(m_fixture));
        QCOMPARE(m_fixture.busyCount(), 0);
    }

    void failures_data()
    {
        actions_data();
    }

    void failures()
    {
        QFETCH(DirectoryType::RootDirectoryTypes, root);
        QFETCH(Action, action);
        QFETCH(QString, endpoint);
        Controllers controllers;
        prepare(controllers, root);
        QVERIFY(m_fixture.simulator().setFault(endpoint, PortalRefusal::fault()));
        const QStringList listing = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        QSignalSpy updates(&controllers.file, &ActionsController::needUpdate);
        QSignalSpy folderUpdates(&controllers.folder, &ActionsController::needUpdate);
        QSignalSpy mixedUpdates(&controllers.mixed, &ActionsController::needUpdate);

        ActionsController *controller = run(controllers, action);
        QVERIFY(controller);
        QCOMPARE(controller->connectionFailed(), true);
        QCOMPARE(folderUpdates.count() + mixedUpdates.count(), 0);
        QVERIFY(!controller->errorMessage().isEmpty());
        QCOMPARE(updates.count(), 0);
        QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), listing);
        QCOMPARE(m_fixture.busyCount(), 0);
    }

    // Busy lasts until the last of two overlapping operations has ended.
    void busyWhileAnyOperationRuns()
    {
        Controllers controllers;
        prepare(controllers, DirectoryType::MyDocuments);
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Documents/Move"),
                                               {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                {QStringLiteral("delayMs"), 4000}}));
        QSignalSpy updates(&controllers.file, &ActionsController::needUpdate);
        controllers.file.moveFile({1006}, 113, {QStringLiteral("Logo.png")});
        QVERIFY(m_fixture.waitForRequest(QStringLiteral("Documents/Move")));
        controllers.file.renameFile(1005, s_notes, QStringLiteral("Memo.txt"));
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture.cachedValue(1005, true, QStringLiteral("name")).toString(),
                                  QStringLiteral("Memo.txt"), 10000);
        QTRY_COMPARE(updates.count(), 1);
        QCOMPARE(controllers.file.connectionInProgress(), true);
        QTRY_COMPARE_WITH_TIMEOUT(updates.count(), 2, 10000);
        QCOMPARE(controllers.file.connectionInProgress(), false);
    }

    void folderConflicts_data()
    {
        QTest::addColumn<QList<int>>("folderIds");
        QTest::addColumn<int>("toFolderId");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QVariantList>("answers");
        // Photos meets the folder renamed to Photos in Projects.
        QTest::newRow("conflict") << QList<int>{114} << 110 << false << QVariantList{true};
        QTest::newRow("no conflict") << QList<int>{113} << 110 << false << QVariantList{false};
        QTest::newRow("portal refuses") << QList<int>{114} << 110 << true << QVariantList{};
    }

    void folderConflicts()
    {
        QFETCH(QList<int>, folderIds);
        QFETCH(int, toFolderId);
        QFETCH(bool, refused);
        QFETCH(QVariantList, answers);
        QVERIFY(m_fixture.loading().portal("GET", QStringLiteral("/api/v1/DocumentDirectory/Rename?id=112&name=Photos"))
                    .isObject());
        if (refused)
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/DocumentDirectory/Conflict"),
                                                   PortalRefusal::fault()));
        FolderActionsController controller;
        QSignalSpy checked(&controller, &FolderActionsController::conflictChecked);
        controller.checkFolderConflicts(folderIds, toFolderId);
        QVERIFY(controller.connectionInProgress());
        QTRY_VERIFY_WITH_TIMEOUT(!controller.connectionInProgress(), 10000);
        QCOMPARE(controller.connectionFailed(), refused);
        QCOMPARE(controller.errorMessage(), refused ? PortalRefusal::text() : QString());
        QVariantList seen;
        for (const QList<QVariant> &signal : checked)
            seen << signal.first();
        QCOMPARE(seen, answers);
    }

    void pdfNeedsAnOpenContainer_data()
    {
        QTest::addColumn<bool>("withStorage");
        QTest::newRow("no storage") << false;
        QTest::newRow("container not open") << true;
    }

    void pdfNeedsAnOpenContainer()
    {
        QFETCH(bool, withStorage);
        SecureStorage storage;
        FileActionsController controller;
        controller.setDao(&m_fixture.dao());
        const int transfers = TransferListModel::instance()->rowCount();
        QTest::ignoreMessage(QtWarningMsg, "Download as PDF refused: the secure storage is not open");
        controller.downloadAsPdf(1001, QStringLiteral("Welcome.docx"), withStorage ? &storage : nullptr);
        QCOMPARE(controller.connectionFailed(), true);
        QVERIFY(!controller.errorMessage().isEmpty());
        QCOMPARE(TransferListModel::instance()->rowCount(), transfers);
        QTest::qWait(200);
        QCOMPARE(m_fixture.requests(), QStringList());
        QCOMPARE(m_fixture.busyCount(), 0);
    }
};

VELLIX_TEST_MAIN(TestActionsController, QCoreApplication)
#include "tst_actionscontroller.moc"
