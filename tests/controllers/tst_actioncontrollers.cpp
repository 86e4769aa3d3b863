#include "controllers/creationpagecontroller.h"
#include "controllers/fileactionscontroller.h"
#include "controllers/fileandfolderactionscontroller.h"
#include "controllers/folderactionscontroller.h"
#include "controllers/renamecontroller.h"
#include "models/entitytypes.h"
#include "models/transferlistmodel.h"
#include "portalrefusal.h"
#include "securestorage/sstorewrapper.h"
#include "testenvironment.h"
#include "transferfixture.h"
#include "workers/getfolderinfoworker.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

// The controllers a page starts actions, creations and transfers with; successes counts
// every signal by which one of them tells the page that its action succeeded.
struct Controllers
{
    // Declared first, so that they outlive the controllers whose signals they count.
    int successes = 0;
    QVariantList conflicts;
    QString target;
    QString localFile;
    SecureStorage storage;
    FileActionsController file;
    FolderActionsController folder;
    FileAndFolderActionsController mixed;
    CreationPageController creation;

    Controllers(TransferFixture &fixture, DirectoryType::RootDirectoryTypes root)
        : target(fixture.targetFolder())
        , localFile(target + QStringLiteral("/report.bin"))
    {
        for (ActionsController *controller : std::initializer_list<ActionsController *>{&file, &folder, &mixed}) {
            controller->setFolderType(root);
            QObject::connect(controller, &ActionsController::needUpdate, [this] { ++successes; });
        }
        QObject::connect(&creation, &CreationPageController::createDocumentSuccess, [this] { ++successes; });
        QObject::connect(&folder, &FolderActionsController::conflictChecked, [this](bool conflict) {
            ++successes;
            conflicts << conflict;
        });
        for (ConnectionController *controller : all())
            controller->setDao(&fixture.dao());
    }
    QList<ConnectionController *> all() { return {&file, &folder, &mixed, &creation}; }
    ConnectionController *failed()
    {
        for (ConnectionController *controller : all()) {
            if (controller->connectionFailed())
                return controller;
        }
        return nullptr;
    }
};

// An action as a page starts it, and what portal and cache show once it succeeded.
using Action = std::function<void(Controllers &)>;
using Check = std::function<bool(TransferFixture &, Controllers &)>;

const QString s_notes = QStringLiteral("Notes.txt");
const QString s_photos = QStringLiteral("Photos");
const CopyFolderFlags::Flags s_overwrite = CopyFolderFlags::Overwrite;
constexpr auto s_myDocuments = DirectoryType::MyDocuments;

// The first entry of a list in the portal's state that holds every value of match.
QJsonObject portalEntry(TransferFixture &fixture, const QString &kind, const QJsonObject &match)
{
    const QStringList keys = match.keys();
    for (const QJsonValue &entry : fixture.simulator().state().value(kind).toArray()) {
        const QJsonObject object = entry.toObject();
        if (std::all_of(keys.cbegin(), keys.cend(), [&](const QString &key) { return object[key] == match[key]; }))
            return object;
    }
    return {};
}

int portalId(TransferFixture &fixture, const QString &kind, const QString &name)
{
    return portalEntry(fixture, kind, {{QStringLiteral("Name"), name}}).value(QStringLiteral("Id")).toInt();
}

Check inPortalFolder(int id, bool isFile, int folderId)
{
    return [=](TransferFixture &f, Controllers &) {
        const QString kind = isFile ? QStringLiteral("documents") : QStringLiteral("folders");
        const QString parent = isFile ? QStringLiteral("DirectoryId") : QStringLiteral("ParentId");
        return portalEntry(f, kind, {{QStringLiteral("Id"), id}}).value(parent).toInt() == folderId;
    };
}

Check portalHolds(int folderId, const QString &name)
{
    return [=](TransferFixture &f, Controllers &) { return !f.portalListing(folderId).filter(name).isEmpty(); };
}

Check uncached(int id, bool isFile)
{
    return [=](TransferFixture &f, Controllers &) { return !f.isCached(id, isFile); };
}

Check cachedAs(int id, bool isFile, const QString &column, const QVariant &value)
{
    return [=](TransferFixture &f, Controllers &) { return f.cachedValue(id, isFile, column) == value; };
}

// How many cached rows of a folder hold a name.
Check cachedTimes(int folderId, const QString &name, int times)
{
    return [=](TransferFixture &f, Controllers &) { return f.cachedListing(folderId).filter(name).size() == times; };
}

Check both(const Check &first, const Check &second)
{
    return [=](TransferFixture &f, Controllers &c) { return first(f, c) && second(f, c); };
}

Check sharedWith(int id, EntityTypes::EntityType entityType, int userId, bool shared)
{
    return [=](TransferFixture &f, Controllers &) {
        const QString user = QStringLiteral("u%1:").arg(userId);
        return shared == !f.portalRights(id, entityType == EntityTypes::Document).filter(user).isEmpty();
    };
}

Check savedAs(const QString &name)
{
    return [=](TransferFixture &f, Controllers &) { return QFile::exists(f.targetFolder() + QLatin1Char('/') + name); };
}

// Starts the action, which must make a controller busy or add a transfer, and waits until
// no controller is busy and every transfer has ended.
bool run(Controllers &controllers, const Action &action)
{
    const auto idle = [&controllers] {
        TransferListModel *list = TransferListModel::instance();
        for (int row = 0; row < list->rowCount(); ++row) {
            const int state = list->index(row).data(TransferListModel::StateRole).toInt();
            if (state != TransferListModel::Finished && state != TransferListModel::Failed)
                return false;
        }
        const QList<ConnectionController *> all = controllers.all();
        return std::none_of(all.cbegin(), all.cend(),
                            [](ConnectionController *c) { return c->connectionInProgress(); });
    };
    action(controllers);
    return !idle() && QTest::qWaitFor(idle, 30000);
}

struct Row
{
    QString name;
    int direction;
    qint64 done;
    qint64 total;
    int state;
    QString error;
    QString path;
};

Row rowAt(int row)
{
    const QModelIndex index = TransferListModel::instance()->index(row);
    using M = TransferListModel;
    return {index.data(M::NameRole).toString(),        index.data(M::DirectionRole).toInt(),
            index.data(M::BytesDoneRole).toLongLong(), index.data(M::BytesTotalRole).toLongLong(),
            index.data(M::StateRole).toInt(),          index.data(M::ErrorTextRole).toString(),
            index.data(M::FilePathRole).toString()};
}

// A transfer has one row in the transfer list, anything else none.
void checkTransferRow(const QString &name, const QString &endpoint, bool succeeded, const QString &target)
{
    QCOMPARE(TransferListModel::instance()->rowCount(), name.isEmpty() ? 0 : 1);
    if (name.isEmpty())
        return;
    const bool upload = endpoint.contains(QStringLiteral("Upload"));
    const Row row = rowAt(0);
    QCOMPARE(row.name, name);
    QCOMPARE(row.direction, int(upload ? TransferListModel::Upload : TransferListModel::Download));
    QCOMPARE(row.state, int(succeeded ? TransferListModel::Finished : TransferListModel::Failed));
    QCOMPARE(row.error.isEmpty(), succeeded);
    if (succeeded)
        QVERIFY(row.done > 0 && row.done == row.total);
    // A saved download names its file, so that the panel can open it.
    if (succeeded && !upload)
        QVERIFY2(row.path.startsWith(target) && QFile::exists(row.path), qPrintable(row.path));
    else
        QCOMPARE(row.path, QString());
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Check)

// Action, creation and rename controllers and the transfer list against the portal simulator.
class TestActionControllers : public QObject
{
    Q_OBJECT

private:
    TransferFixture m_fixture;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
        m_tester = std::make_unique<QAbstractItemModelTester>(TransferListModel::instance(),
                                                              QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
        QVERIFY(m_fixture.simulator().setTaskSteps(1));
        TransferListModel::instance()->setEndedRowLifetime(TransferListModel::s_defaultEndedRowLifetimeMs);
        TransferListModel::instance()->clearEnded();
        QCOMPARE(TransferListModel::instance()->rowCount(), 0);
    }

    // Every action; refused at its endpoint once per way a controller passes a worker's end to the
    // page, as the worker cases cross the failure kinds.
    void actions_data()
    {
        const QList<QByteArray> refused{"rename file",     "download file", "delete folder",
                                        "download folder archive", "folder conflict", "copy selection",
                                        "create document", "create folder", "upload"};
        const auto addAction = [&](const char *name, const QString &endpoint, const Action &action, const Check &done,
                                   DirectoryType::RootDirectoryTypes root = s_myDocuments,
                                   const QString &transfer = QString()) {
            QTest::newRow(name) << root << action << endpoint << done << transfer << false;
            if (refused.contains(name))
                QTest::addRow("%s, refused", name) << root << action << endpoint << done << transfer << true;
        };
        QTest::addColumn<DirectoryType::RootDirectoryTypes>("root");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("endpoint");
        QTest::addColumn<Check>("done");
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<bool>("refuse");
        using C = Controllers;
        const auto trash = DirectoryType::Trash;
        const auto favorite = DirectoryType::Favorite;
        const QString budget = QStringLiteral("Budget 2024.xlsx");
        const QString oldBudget = QStringLiteral("Old budget.xlsx");
        const QString drafts = QStringLiteral("Drafts");
        const QString favoriteColumn = QStringLiteral("is_favorite");

        addAction("move file to trash", "Documents/Delete", [](C &c) { c.file.moveToTrash(1005, s_notes); },
                  both(uncached(1005, true), inPortalFolder(1005, true, 105)));
        addAction("rename file", "Documents/Rename", [](C &c) { c.file.renameFile(1005, s_notes, "Memo.txt"); },
                  cachedAs(1005, true, QStringLiteral("name"), QStringLiteral("Memo.txt")));
        addAction("copy file", "Documents/Copy", [](C &c) { c.file.copyFile({1005}, 113, {s_notes}); },
                  portalHolds(113, s_notes));
        addAction("duplicate file", "Documents/Copy", [](C &c) { c.file.duplicateFile({1005}, 100, s_notes); },
                  cachedTimes(100, QStringLiteral("Notes"), 2));
        addAction("move file", "Documents/Move", [](C &c) { c.file.moveFile({1005}, 113, {s_notes}); },
                  inPortalFolder(1005, true, 113));
        addAction("share file", "Documents/Share", [](C &c) { c.file.shareFile(1005, 3, 0, s_notes); },
                  sharedWith(1005, EntityTypes::Document, 3, true));
        addAction("unshare file", "Documents/UnShare", [](C &c) { c.file.unShareFile(1001, 2, 0, "Welcome.docx"); },
                  sharedWith(1001, EntityTypes::Document, 2, false));
        addAction("add favorite", "Favorites/Add", [](C &c) { c.file.addFileToFavorites(1005, s_notes); },
                  cachedAs(1005, true, favoriteColumn, 1));
        addAction("remove favorites", "Favorites/Delete",
                  [=](C &c) { c.file.deleteFileFromFavorites({1002}, {budget}); },
                  cachedAs(1002, true, favoriteColumn, 0));
        addAction("remove selected favorites", "Favorites/Delete",
                  [=](C &c) { c.file.deleteSelectedFilesFromFavorites({{1002, budget}, {1003, "Roadmap.pptx"}}); },
                  both(cachedAs(1002, true, favoriteColumn, 0), cachedAs(1003, true, favoriteColumn, 0)));
        addAction("restore file", "Documents/Restore", [=](C &c) { c.file.restoreFile(1051, 100, oldBudget); },
                  both(uncached(1051, true), inPortalFolder(1051, true, 100)), trash);
        addAction("download file", "Documents/Download", [](C &c) { c.file.downloadTo(1005, c.target, s_notes); },
                  savedAs(s_notes), s_myDocuments, s_notes);

        addAction("move folder", "DocumentDirectory/Move",
                  [](C &c) { c.folder.moveFolder({114}, 110, s_overwrite, {s_photos}); },
                  inPortalFolder(114, false, 110));
        addAction("copy folder", "DocumentDirectory/Copy",
                  [](C &c) { c.folder.copyFolder({114}, 110, s_overwrite, {s_photos}); }, portalHolds(110, s_photos));
        addAction("delete folder", "DocumentDirectory/Delete", [](C &c) { c.folder.deleteFolder(114, s_photos); },
                  both(uncached(114, false), inPortalFolder(114, false, 105)));
        addAction("rename folder", "DocumentDirectory/Rename",
                  [](C &c) { c.folder.renameFolder(114, "Pictures", s_photos); },
                  cachedAs(114, false, QStringLiteral("name"), QStringLiteral("Pictures")));
        addAction("restore folder", "DocumentDirectory/Restore",
                  [=](C &c) { c.folder.restoreFolder(120, 100, s_overwrite, drafts); },
                  both(uncached(120, false), inPortalFolder(120, false, 100)), trash);
        addAction("share folder", "DocumentDirectory/Share", [](C &c) { c.folder.shareFolder(114, 3, 1, s_photos); },
                  sharedWith(114, EntityTypes::Directory, 3, true));
        addAction("unshare folder", "DocumentDirectory/UnShare",
                  [](C &c) { c.folder.unshareFolder(210, 1, 1, "Anna's folder"); },
                  sharedWith(210, EntityTypes::Directory, 1, false));
        // Refused at the download of the finished archive, the last step of the server task.
        addAction("download folder archive", "UserTask/Download",
                  [](C &c) { c.folder.downloadFolderAsArchive(114, s_photos, c.target); },
                  savedAs(QStringLiteral("Photos.zip")), s_myDocuments, s_photos);

        // Photos meets the folder renamed to Photos in Projects.
        addAction("folder conflict", "DocumentDirectory/Conflict",
                  [this](C &c) {
                      QVERIFY(m_fixture.loading()
                                  .portal("GET", QStringLiteral("/api/v1/DocumentDirectory/Rename?id=112&name=Photos"))
                                  .isObject());
                      c.folder.checkFolderConflicts({114}, 110);
                  },
                  [](TransferFixture &, C &c) { return c.conflicts == QVariantList{true}; });
        addAction("no folder conflict", "DocumentDirectory/Conflict",
                  [](C &c) { c.folder.checkFolderConflicts({113}, 110); },
                  [](TransferFixture &, C &c) { return c.conflicts == QVariantList{false}; });

        // The mixed operations act on My documents or the Trash, whatever the page.
        addAction("copy selection", "Documents/Copy",
                  [](C &c) {
                      c.mixed.copySelectedFilesAndFolders({1005}, {114}, {s_notes}, {s_photos}, 113, s_overwrite);
                  },
                  both(both(portalHolds(113, s_notes), portalHolds(113, s_photos)),
                       cachedTimes(113, s_notes, 1)),
                  favorite);
        addAction("move selection", "Documents/Move",
                  [](C &c) {
                      c.mixed.moveSelectedFilesAndFolders({1005}, {114}, {s_notes}, {s_photos}, 113, s_overwrite);
                  },
                  both(inPortalFolder(1005, true, 113), inPortalFolder(114, false, 113)), favorite);
        addAction("restore selection", "Documents/Restore",
                  [=](C &c) {
                      c.mixed.restoreSelectedFilesAndFolders({1051}, {120}, {oldBudget}, {drafts}, 100, s_overwrite);
                  },
                  both(uncached(1051, true), uncached(120, false)), favorite);
        addAction("delete selection", "Documents/Delete",
                  [](C &c) { c.mixed.deleteSelectedFilesAndFolders({{1005, s_notes}}, {{114, s_photos}}); },
                  both(uncached(1005, true), uncached(114, false)));

        // The page opens what it created by the ids the controller keeps.
        addAction("create document", "Documents/Create", [](C &c) { c.creation.createDocument("Plan.docx", 110); },
                  [](TransferFixture &f, C &c) {
                      return c.creation.getIDDocumentCreated() == portalId(f, "documents", "Plan.docx")
                          && c.creation.getIDOwner() == 1;
                  });
        addAction("create folder", "DocumentDirectory/AddSubDirectory",
                  [](C &c) { c.creation.createFolder("Minutes", 110); },
                  [](TransferFixture &f, C &c) {
                      return c.creation.getIDFolderCreated() == portalId(f, "folders", "Minutes");
                  });
        addAction("upload", "Documents/Upload",
                  [](C &c) {
                      QVERIFY(TestEnvironment::writeFile(c.localFile, "quarterly figures"));
                      c.creation.uploadDocument(c.localFile, 100);
                  },
                  portalHolds(100, QStringLiteral("report.bin")), s_myDocuments, QStringLiteral("report.bin"));
    }

    void actions()
    {
        QFETCH(DirectoryType::RootDirectoryTypes, root);
        QFETCH(Action, action);
        QFETCH(QString, endpoint);
        QFETCH(Check, done);
        QFETCH(QString, transfer);
        QFETCH(bool, refuse);
        if (refuse)
            QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/") + endpoint, PortalRefusal::fault()));
        Controllers controllers(m_fixture, root);
        QVERIFY(run(controllers, action));
        if (refuse) {
            // Shown, not swallowed, and the ids of created entries stay unset.
            QTRY_VERIFY(controllers.failed());
            QVERIFY(!controllers.failed()->errorMessage().isEmpty());
            QCOMPARE(controllers.successes, 0);
            QCOMPARE(controllers.creation.getIDDocumentCreated(), -1);
            QCOMPARE(controllers.creation.getIDOwner(), -1);
            QCOMPARE(controllers.creation.getIDFolderCreated(), -1);
        } else {
            QTRY_VERIFY(controllers.successes > 0);
            QVERIFY(!controllers.failed());
            QVERIFY(done(m_fixture, controllers));
        }
        checkTransferRow(transfer, endpoint, !refuse, controllers.target);
    }

    // Busy lasts until the last of two overlapping operations has ended.
    void busyWhileAnyOperationRuns()
    {
        Controllers controllers(m_fixture, s_myDocuments);
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Documents/Move"),
                                               {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                {QStringLiteral("delayMs"), 4000}}));
        controllers.file.moveFile({1006}, 113, {QStringLiteral("Logo.png")});
        QVERIFY(m_fixture.waitForRequest(QStringLiteral("Documents/Move")));
        controllers.file.renameFile(1005, s_notes, QStringLiteral("Memo.txt"));
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture.cachedValue(1005, true, QStringLiteral("name")).toString(),
                                  QStringLiteral("Memo.txt"), 10000);
        QTRY_COMPARE(controllers.successes, 1);
        QCOMPARE(controllers.file.connectionInProgress(), true);
        QTRY_COMPARE_WITH_TIMEOUT(controllers.successes, 2, 10000);
        QCOMPARE(controllers.file.connectionInProgress(), false);
    }

    // Several MiB up and down again: each bar only rises, and ends at the total.
    void progressRisesToTheTotal()
    {
        Controllers controllers(m_fixture, s_myDocuments);
        const QByteArray bytes(6 * 1024 * 1024, 'v');
        QVERIFY(TestEnvironment::writeFile(controllers.localFile, bytes));
        QList<Row> seen;
        QObject recording;
        connect(TransferListModel::instance(), &QAbstractItemModel::dataChanged, &recording,
                [&seen](const QModelIndex &topLeft) { seen.append(rowAt(topLeft.row())); });

        QVERIFY(run(controllers, [](Controllers &c) { c.creation.uploadDocument(c.localFile, 100); }));
        const int id = portalId(m_fixture, QStringLiteral("documents"), QStringLiteral("report.bin"));
        QVERIFY(id > 0);
        // The portal sends the document in pieces, so the bar has steps between empty and full.
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Documents/Download"),
                                               {{QStringLiteral("mode"), QStringLiteral("paced")},
                                                {QStringLiteral("chunkBytes"), 1024 * 1024},
                                                {QStringLiteral("delayMs"), 30}}));
        QVERIFY(run(controllers, [id](Controllers &c) { c.file.downloadTo(id, c.target, "copy.bin"); }));

        for (int direction : {int(TransferListModel::Upload), int(TransferListModel::Download)}) {
            qint64 done = 0;
            Row last{};
            for (const Row &row : qAsConst(seen)) {
                if (row.direction != direction)
                    continue;
                QVERIFY2(row.done >= done, "a bar went back");
                done = row.done;
                last = row;
            }
            QCOMPARE(last.state, int(TransferListModel::Finished));
            QCOMPARE(last.done, last.total);
            QVERIFY(last.total >= bytes.size());
        }
        QCOMPARE(rowAt(1).total, qint64(bytes.size()));
        QVERIFY(std::any_of(seen.cbegin(), seen.cend(), [](const Row &row) {
            return row.direction == TransferListModel::Download && row.state == TransferListModel::Running
                && row.done > 0 && row.done < row.total;
        }));
    }

    void endedRowsGo()
    {
        Controllers controllers(m_fixture, s_myDocuments);
        TransferListModel::instance()->setEndedRowLifetime(50);
        controllers.file.downloadTo(1005, controllers.target, s_notes);
        QCOMPARE(TransferListModel::instance()->rowCount(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(TransferListModel::instance()->rowCount(), 0, 20000);
    }

    // Calls refused before the portal is asked: logged, and shown where the page cannot check beforehand.
    void refusedBeforeAsking_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("shown");
        using C = Controllers;
        const QString create = QStringLiteral("Error create document (data invalid)");
        const QString upload = QStringLiteral("Error upload document (data invalid)");
        const QString pdf = QStringLiteral("Download as PDF refused: the secure storage is not open");
        QTest::newRow("document without name") << Action([](C &c) { c.creation.createDocument("", 110); }) << create
                                               << false;
        QTest::newRow("document in no folder") << Action([](C &c) { c.creation.createDocument("Plan.docx", -1); })
                                               << create << false;
        QTest::newRow("folder without name") << Action([](C &c) { c.creation.createFolder("", 110); }) << create
                                             << false;
        QTest::newRow("upload without path") << Action([](C &c) { c.creation.uploadDocument("", 110); }) << upload
                                             << false;
        QTest::newRow("upload into no folder") << Action([](C &c) { c.creation.uploadDocument("/etc/hostname", -1); })
                                               << upload << false;
        QTest::newRow("PDF without storage")
            << Action([](C &c) { c.file.downloadAsPdf(1001, "Welcome.docx", nullptr); }) << pdf << true;
        QTest::newRow("PDF into a container not open")
            << Action([](C &c) { c.file.downloadAsPdf(1001, "Welcome.docx", &c.storage); }) << pdf << true;
    }

    void refusedBeforeAsking()
    {
        QFETCH(Action, action);
        QFETCH(QString, warning);
        QFETCH(bool, shown);
        Controllers controllers(m_fixture, s_myDocuments);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        action(controllers);
        QCOMPARE(controllers.failed() != nullptr, shown);
        if (shown)
            QVERIFY(!controllers.failed()->errorMessage().isEmpty());
        QVERIFY(TestEnvironment::settle());
        for (ConnectionController *controller : controllers.all())
            QVERIFY(!controller->connectionInProgress());
        QCOMPARE(m_fixture.requests(), QStringList());
        QCOMPARE(TransferListModel::instance()->rowCount(), 0);
        QCOMPARE(m_fixture.busyCount(), 0);
    }

    // An info worker without an owner outlives the dialog and reports to a freed one.
    void renameInfoWorkersBelongToTheController()
    {
        RenameController controller;
        QCOMPARE(controller.findChildren<GetFolderInfoWorker *>().size(), 1);
    }

    // What the dialog shows of a name, and whether it takes a typed new name.
    void renameNameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("pureName");
        QTest::addColumn<bool>("valid");
        QTest::newRow("file") << "Notes.txt" << true << ".txt" << "Notes" << false;
        QTest::newRow("file, two dots") << "Budget.2024.xlsx" << true << ".xlsx" << "Budget.2024" << false;
        QTest::newRow("file without dot, latin") << "Report 2024" << true << "" << "Report 2024" << true;
        QTest::newRow("file ending in a dot") << "draft." << true << "." << "draft" << false;
        QTest::newRow("folder with a dot") << "Archive.2023" << false << "" << "Archive.2023" << false;
        QTest::newRow("cyrillic") << "Отчёт" << false << "" << "Отчёт" << true;
        QTest::newRow("digit, then anything but a dot") << "1) plan, #2!" << false << "" << "1) plan, #2!" << true;
        QTest::newRow("white space first") << " plan" << false << "" << " plan" << true;
        QTest::newRow("punctuation first") << "-plan" << false << "" << "-plan" << false;
        QTest::newRow("cyrillic letter outside the ranges first") << "ёлка" << false << "" << "ёлка" << false;
        QTest::newRow("empty") << "" << false << "" << "" << false;
    }

    void renameNameRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, isFile);
        QFETCH(QString, extension);
        QFETCH(QString, pureName);
        QFETCH(bool, valid);
        RenameController controller;
        QCOMPARE(controller.getExtension(name, isFile), extension);
        QCOMPARE(controller.getPureName(name, isFile), pureName);
        QCOMPARE(controller.checkNewName().exactMatch(name), valid);
    }

    // Entity info, parent id, then the names of the parent folder; a refusal is shown.
    void renameNamesOfTheParent_data()
    {
        QTest::addColumn<int>("entityId");
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QStringList>("free");
        QTest::newRow("file") << 1005 << true << QString() << QStringList{"Notes", "Budget 2024", "Welcome"}
                              << QStringList{"Notes.txt", "notes", "Projects"};
        QTest::newRow("folder") << 111 << false << QString() << QStringList{"Aurora", "Archive 2023"}
                                << QStringList{"Projects", "aurora"};
        // Every step's worker ends in one handler: the last step stands for all.
        QTest::newRow("names refused") << 1005 << true << PortalPath::s_documents << QStringList() << QStringList();
    }

    void renameNamesOfTheParent()
    {
        QFETCH(int, entityId);
        QFETCH(bool, isFile);
        QFETCH(QString, refused);
        QFETCH(QStringList, taken);
        QFETCH(QStringList, free);
        if (!refused.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(refused, PortalRefusal::fault()));
        RenameController controller;
        QSignalSpy updated(&controller, &RenameController::namesUpdated);
        controller.updateEntityInfo(entityId, isFile);
        QVERIFY(controller.connectionInProgress());
        QTRY_VERIFY_WITH_TIMEOUT(updated.count() > 0 || controller.connectionFailed(), 10000);
        QVERIFY(TestEnvironment::settle());
        QCOMPARE(controller.connectionInProgress(), false);
        QCOMPARE(controller.connectionFailed(), !refused.isEmpty());
        QCOMPARE(controller.errorMessage(), refused.isEmpty() ? QString() : PortalRefusal::text());
        QCOMPARE(updated.count(), refused.isEmpty() ? 1 : 0);
        for (const QString &name : taken)
            QVERIFY2(controller.nameExists(name), qPrintable(name));
        for (const QString &name : free)
            QVERIFY2(!controller.nameExists(name), qPrintable(name));
    }
};

VELLIX_TEST_MAIN(TestActionControllers, QCoreApplication)
#include "tst_actioncontrollers.moc"
