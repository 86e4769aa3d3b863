#include "loadingfixture.h"
#include "testenvironment.h"
#include "workers/getdocumentinfoworker.h"
#include "workers/getdocumentsworker.h"
#include "workers/getfolderinfoworker.h"
#include "workers/getfoldersworker.h"
#include "workers/getusersinfoworker.h"
#include "workers/getnamesindirectoryworker.h"
#include "workers/loadfoldersandfilesworker.h"
#include "workers/searchfoldersandfilesworker.h"

#include <QCoreApplication>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

enum class Listing { FoldersAndFiles, Folders, Documents };

// A cached row of an unrelated folder; no listing load may touch it.
const int s_unrelatedFolder = 424242;

std::unique_ptr<AbstractLoadEntriesWorker> startLoad(DataAccessObject *dao, Listing listing, int folderId,
                                                     DirectoryType::RootDirectoryTypes root)
{
    switch (listing) {
    case Listing::FoldersAndFiles: {
        auto worker = std::make_unique<LoadFoldersAndFilesWorker>(dao);
        worker->loadFilesAndFolders(folderId, root);
        return worker;
    }
    case Listing::Folders: {
        auto worker = std::make_unique<GetFoldersWorker>(dao);
        worker->getFoldersFromServer(folderId, root);
        return worker;
    }
    case Listing::Documents:
        break;
    }
    auto worker = std::make_unique<GetDocumentsWorker>(dao);
    worker->getDocumentsFromServer(folderId, root);
    return worker;
}

QVariantMap portalObject(int id, const QString &idKey, int parentId, bool favorite)
{
    return {{QStringLiteral("Id"), id},
            {idKey, parentId},
            {QStringLiteral("Name"), QStringLiteral("stale %1").arg(id)},
            {QStringLiteral("IsFavorite"), favorite}};
}

QStringList namesOf(const QJsonArray &objects)
{
    QStringList names;
    for (const QJsonValue &object : objects)
        names.append(object.toObject().value(QStringLiteral("Name")).toString());
    return names;
}

QList<int> idsOf(const QList<FolderElementEntity> &entities)
{
    QList<int> ids;
    for (const FolderElementEntity &entity : entities)
        ids.append(entity.id);
    return ids;
}

QList<FolderElementEntity> entitiesOf(const QSignalSpy &spy)
{
    return spy.first().first().value<QList<FolderElementEntity>>();
}

// A worker of the dialogs and the search: how it starts, the signal of its
// result and what a successful result holds.
struct SmallLoader
{
    const char *name;
    std::function<Worker *(DataAccessObject *)> make;
    std::function<void(Worker *)> start;
    const char *result;  // nullptr: the result goes to the cache only
    QString path;
    bool resultOnFailure; // an empty result is sent on failure too
    std::function<bool(const QVariant &, LoadingFixture &)> check;
};

QList<SmallLoader> smallLoaderCases()
{
    const auto info = [](int id, const QString &name, int directoryId) {
        return [=](const QVariant &result, LoadingFixture &) {
            const QVariantMap map = result.toMap();
            return (id == 0 || map.value(QStringLiteral("Id")).toInt() == id)
                && map.value(QStringLiteral("Name")).toString() == name
                && map.value(QStringLiteral("DirectoryId")).toInt() == directoryId;
        };
    };
    // Folder 110 holds folders only, 111 documents only.
    const auto names = [](bool files, int folderId) {
        return [=](const QVariant &result, LoadingFixture &fixture) {
            const QStringList expected = files ? namesOf(fixture.portalDocuments(folderId))
                                               : namesOf(LoadingFixture::children(fixture.portalFolders(folderId)));
            const bool none = folderId == 110 ? files : folderId == 111;
            return result.value<QList<QString>>() == expected && expected.isEmpty() == none;
        };
    };
    const auto nameLoader = [](bool files, int folderId) {
        return startAs<GetNamesInDirectoryWorker>([=](GetNamesInDirectoryWorker *worker) {
            files ? worker->loadFilesNames(folderId) : worker->loadFolderNames(folderId);
        });
    };
    const auto makeNames = [](DataAccessObject *) { return new GetNamesInDirectoryWorker; };
    const char *namesReady = SIGNAL(namesReady(QList<QString>));
    const char *infoReady = SIGNAL(infoReady(QVariantMap));
    return {
        {"folder info", [](DataAccessObject *) { return new GetFolderInfoWorker; },
         startAs<GetFolderInfoWorker>([](GetFolderInfoWorker *worker) { worker->getFolderInfo(111); }), infoReady,
         PortalPath::s_folders, true, info(111, QStringLiteral("Aurora"), 110)},
        {"document info", [](DataAccessObject *) { return new GetDocumentInfoWorker; },
         startAs<GetDocumentInfoWorker>([](GetDocumentInfoWorker *worker) { worker->getDocumentInfo(1010); }), infoReady,
         PortalPath::s_documentInfo, true, info(0, QStringLiteral("Aurora specification.docx"), 111)},
        {"folder names", makeNames, nameLoader(false, 110), namesReady, PortalPath::s_folders, false, names(false, 110)},
        {"folder names, none there", makeNames, nameLoader(false, 111), namesReady, PortalPath::s_folders, false,
         names(false, 111)},
        {"document names", makeNames, nameLoader(true, 100), namesReady, PortalPath::s_documents, false,
         names(true, 100)},
        {"document names, none there", makeNames, nameLoader(true, 110), namesReady, PortalPath::s_documents, false,
         names(true, 110)},
        {"search", [](DataAccessObject *) { return new SearchFoldersAndFilesWorker; },
         startAs<SearchFoldersAndFilesWorker>(
             [](SearchFoldersAndFilesWorker *worker) { worker->search(QStringLiteral("aurora"), 0); }),
         SIGNAL(searchResult(QList<FolderElementEntity>)), PortalPath::s_search, false,
         [](const QVariant &result, LoadingFixture &) {
             // Folder Aurora 111 first, then its two documents.
             return idsOf(result.value<QList<FolderElementEntity>>()) == QList<int>{111, 1010, 1011};
         }},
        {"users info", [](DataAccessObject *dao) { return new GetUsersInfoWorker(dao); },
         startAs<GetUsersInfoWorker>([](GetUsersInfoWorker *worker) { worker->loadUsersInfo({2, 3}); }), nullptr,
         PortalPath::s_users, false,
         [](const QVariant &, LoadingFixture &fixture) {
             return fixture.cachedUsers() == QStringList{QStringLiteral("2|Anna Petrova|anna.petrova@vellix.local"),
                                                         QStringLiteral("3|Ivan Sidorov|ivan.sidorov@vellix.local")};
         }},
    };
}

} // namespace

Q_DECLARE_METATYPE(Listing)

class TestLoadingWorkers : public QObject
{
    Q_OBJECT

    LoadingFixture m_fixture;

    QList<QVariant> ids(const QJsonArray &objects, const char *key)
    {
        QList<QVariant> result;
        for (const QJsonValue &object : objects)
            result.append(object.toObject().value(QLatin1String(key)).toInt());
        return result;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<FolderElementEntity>>();
        QVERIFY(m_fixture.start());
    }

    void init() { QVERIFY(m_fixture.reset()); }

    void sectionEndsEqualToPortal_data()
    {
        QTest::addColumn<Listing>("listing");
        QTest::addColumn<int>("folderId");
        QTest::addColumn<DirectoryType::RootDirectoryTypes>("root");
        QTest::addColumn<QString>("table");
        // Empty: the table holds this one listing, with every nested folder.
        QTest::addColumn<QString>("where");

        const auto children = [](int folderId) {
            return QStringLiteral("WHERE parent_id = %1 OR directory_id = %1").arg(folderId);
        };
        const QString filesAndFolders = QStringLiteral("files_and_folders");
        QTest::newRow("my documents") << Listing::FoldersAndFiles << 100 << DirectoryType::MyDocuments
                                      << filesAndFolders << children(100);
        QTest::newRow("my documents sub-folder") << Listing::FoldersAndFiles << 111 << DirectoryType::MyDocuments
                                                 << filesAndFolders << children(111);
        QTest::newRow("trash") << Listing::FoldersAndFiles << 105 << DirectoryType::Trash << filesAndFolders
                               << children(105);
        QTest::newRow("available for me") << Listing::FoldersAndFiles << 101 << DirectoryType::Virtual
                                          << QStringLiteral("available_documents") << QString();
        QTest::newRow("shared access") << Listing::FoldersAndFiles << 104 << DirectoryType::SharedAccess
                                       << QStringLiteral("shared_access_documents") << QString();
        QTest::newRow("common") << Listing::FoldersAndFiles << 10 << DirectoryType::Common
                                << QStringLiteral("shared_documents") << QString();
        QTest::newRow("favorites") << Listing::Documents << 102 << DirectoryType::Favorite << filesAndFolders
                                   << QStringLiteral("WHERE is_favorite = 1");
        QTest::newRow("last documents") << Listing::Documents << 103 << DirectoryType::LastDocuments
                                        << QStringLiteral("last_documents") << QString();
        QTest::newRow("root page") << Listing::Folders << 0 << DirectoryType::MyDocuments << filesAndFolders
                                   << children(0);
        QTest::newRow("folder selection") << Listing::Folders << 110 << DirectoryType::MyDocuments
                                          << filesAndFolders << children(110);
    }

    void sectionEndsEqualToPortal()
    {
        QFETCH(Listing, listing);
        QFETCH(int, folderId);
        QFETCH(DirectoryType::RootDirectoryTypes, root);
        QFETCH(QString, table);
        QFETCH(QString, where);

        // Stale rows inside the listing must go; a row of another folder stays.
        DataAccessObject &dao = m_fixture.dao();
        dao.updateFilesAndFolders({portalObject(900001, QStringLiteral("DirectoryId"), folderId, true)},
                                  {portalObject(900002, QStringLiteral("ParentId"), folderId, true)}, folderId, root);
        dao.updateFilesAndFolders({portalObject(900003, QStringLiteral("DirectoryId"), s_unrelatedFolder, false)}, {},
                                  s_unrelatedFolder, DirectoryType::MyDocuments);
        QVERIFY(m_fixture.simulator().clearRequests());

        const auto worker = startLoad(&dao, listing, folderId, root);
        QSignalSpy finished(worker.get(), &Worker::workFinished);
        QVERIFY(finishedWith(finished, true));

        // One request per listing, then the unknown owners.
        const QString folderTarget = folderId > 0 ? PortalPath::s_folders + QStringLiteral("?id=%1").arg(folderId)
                                                  : PortalPath::s_folders;
        QStringList expectedRequests;
        if (listing != Listing::Documents)
            expectedRequests << QStringLiteral("GET ") + folderTarget;
        if (listing != Listing::Folders)
            expectedRequests << QStringLiteral("POST ") + PortalPath::s_documents;
        expectedRequests << QStringLiteral("POST ") + PortalPath::s_users;
        QCOMPARE(m_fixture.receivedRequests(), expectedRequests);

        const QJsonArray folders = listing == Listing::Documents ? QJsonArray() : m_fixture.portalFolders(folderId);
        const QJsonArray documents = listing == Listing::Folders ? QJsonArray() : m_fixture.portalDocuments(folderId);
        const QJsonArray allFolders = LoadingFixture::flattened(folders);
        QJsonArray listed;
        for (const QJsonValue &folder : allFolders) {
            if (where.isEmpty() || folder.toObject().value(QStringLiteral("ParentId")).toInt() == folderId)
                listed.append(folder);
        }
        QVERIFY(!(listed.isEmpty() && documents.isEmpty()));
        // A load of one kind replaces that kind only: the stale entry of the other kind stays.
        QString listedWhere = where;
        if (listing != Listing::FoldersAndFiles) {
            const QString kind = QStringLiteral("is_file = %1").arg(listing == Listing::Documents ? 1 : 0);
            listedWhere = where.isEmpty() ? QStringLiteral("WHERE ") + kind
                                          : QStringLiteral("WHERE (%1) AND %2").arg(where.mid(6), kind);
            const int otherKind = listing == Listing::Documents ? 900002 : 900001;
            QCOMPARE(m_fixture.cachedRows(table, QStringLiteral("WHERE id = %1").arg(otherKind)).size(), 1);
        }
        QCOMPARE(m_fixture.cachedRows(table, listedWhere), LoadingFixture::rows(listed, documents));
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders"),
                                      QStringLiteral("WHERE directory_id = %1").arg(s_unrelatedFolder))
                     .size(),
                 1);

        // Every owner of the answer is now cached as the portal describes it.
        QJsonArray entries = allFolders;
        for (const QJsonValue &document : documents)
            entries.append(document);
        QStringList owners;
        for (const QJsonValue &user : m_fixture.portal("POST", PortalPath::s_users,
                                                       {{QStringLiteral("Ids"), QJsonArray::fromVariantList(ids(entries, "OwnerId"))}})
                                          .array()) {
            const QJsonObject object = user.toObject();
            owners << QStringLiteral("%1|%2|%3").arg(object.value(QStringLiteral("Id")).toInt())
                          .arg(object.value(QStringLiteral("Name")).toString(), object.value(QStringLiteral("Email")).toString());
        }
        owners.removeDuplicates();
        owners.sort();
        QVERIFY(!owners.isEmpty());
        QCOMPARE(m_fixture.cachedUsers(), owners);
    }

    void cachedOwnersAreNotFetchedAgain()
    {
        auto first = std::make_unique<LoadFoldersAndFilesWorker>(&m_fixture.dao());
        QSignalSpy firstFinished(first.get(), &Worker::workFinished);
        first->loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedOnce(firstFinished));
        QVERIFY(m_fixture.receivedRequests().contains(QStringLiteral("POST ") + PortalPath::s_users));

        QVERIFY(m_fixture.simulator().clearRequests());
        LoadFoldersAndFilesWorker second(&m_fixture.dao());
        QSignalSpy secondFinished(&second, &Worker::workFinished);
        second.loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(secondFinished, true));
        QVERIFY(second.ownerIds().isEmpty());
        QCOMPARE(m_fixture.receivedRequests(),
                 (QStringList{QStringLiteral("GET ") + PortalPath::s_folders + QStringLiteral("?id=100"),
                              QStringLiteral("POST ") + PortalPath::s_documents}));
    }

    void cachedFilesSurviveFailedDocumentsOfReusedWorker()
    {
        // Reports 113 holds documents; Aurora 111 others.
        const QString reports = QStringLiteral("WHERE parent_id = 113 OR directory_id = 113");
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.loadFilesAndFolders(113, DirectoryType::MyDocuments);
        QVERIFY(finishedOnce(finished));
        const QStringList reportsRows = m_fixture.cachedRows(QStringLiteral("files_and_folders"), reports);
        QCOMPARE(reportsRows, LoadingFixture::rows({}, m_fixture.portalDocuments(113)));
        QVERIFY(!reportsRows.isEmpty());

        finished.clear();
        worker.loadFilesAndFolders(111, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(finished, true));
        const QStringList all = m_fixture.cachedRows(QStringLiteral("files_and_folders"));

        QVERIFY(m_fixture.fail(PortalPath::s_documents,
                               {{QStringLiteral("mode"), QStringLiteral("status")}, {QStringLiteral("status"), 500}}));
        finished.clear();
        worker.loadFilesAndFolders(113, DirectoryType::MyDocuments);
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders"), reports), reportsRows);
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders")), all);
    }


    // A failed load, whichever call fails and however, leaves the cache as it was.
    void listingFailures_data()
    {
        QTest::addColumn<Listing>("listing");
        QTest::addColumn<int>("folderId");
        QTest::addColumn<DirectoryType::RootDirectoryTypes>("root");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        const auto rows = [](const char *page, Listing listing, int folderId, DirectoryType::RootDirectoryTypes root,
                             const QStringList &paths) {
            for (const QString &path : paths) {
                for (const LoadingFixture::PortalFailure &failure : LoadingFixture::portalFailures())
                    QTest::addRow("%s, %s: %s", page, qPrintable(path.section('/', -1)), failure.name)
                        << listing << folderId << root << path << failure.fault << failure.message;
            }
        };
        rows("my documents", Listing::FoldersAndFiles, 100, DirectoryType::MyDocuments,
             {PortalPath::s_folders, PortalPath::s_documents, PortalPath::s_users});
        // The root page loads folders only, the favorites page documents only.
        rows("root page", Listing::Folders, 0, DirectoryType::MyDocuments, {PortalPath::s_folders});
        rows("favorites", Listing::Documents, 102, DirectoryType::Favorite, {PortalPath::s_documents});
        // Answers that came through but are no listing.
        const QString unreadable = LoadingFixture::portalFailures().at(2).message;
        const QList<QPair<const char *, QJsonValue>> shapes{
            {"empty body", QString()}, {"true", QStringLiteral("true")}, {"empty object", QJsonObject()},
            {"items of another type", QJsonObject{{"Items", QJsonObject()}}}};
        for (const QString &path : {PortalPath::s_folders, PortalPath::s_documents}) {
            for (const auto &shape : shapes)
                QTest::addRow("my documents, %s: %s", qPrintable(path.section('/', -1)), shape.first)
                    << Listing::FoldersAndFiles << 100 << DirectoryType::MyDocuments << path
                    << QJsonObject{{"status", 200}, {"body", shape.second}} << unreadable;
        }
        QTest::newRow("my documents, Get: one folder, not a list")
            << Listing::FoldersAndFiles << 100 << DirectoryType::MyDocuments << PortalPath::s_folders
            << QJsonObject{{"status", 200}, {"body", QJsonObject{{"Id", 110}}}} << unreadable;
        QTest::newRow("my documents, GetDocuments: a bare list")
            << Listing::FoldersAndFiles << 100 << DirectoryType::MyDocuments << PortalPath::s_documents
            << QJsonObject{{"status", 200}, {"body", QJsonArray()}} << unreadable;
    }

    void listingFailures()
    {
        QFETCH(Listing, listing);
        QFETCH(int, folderId);
        QFETCH(DirectoryType::RootDirectoryTypes, root);
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        // Owners once cached are not asked for again: their lookup fails on a first load only.
        const bool owners = path == PortalPath::s_users;
        if (!owners) {
            const auto good = startLoad(&m_fixture.dao(), listing, folderId, root);
            QSignalSpy goodFinished(good.get(), &Worker::workFinished);
            QVERIFY(finishedWith(goodFinished, true));
        }
        const QStringList cached = m_fixture.cachedRows(QStringLiteral("files_and_folders"));
        const QStringList users = m_fixture.cachedUsers();
        QCOMPARE(cached.isEmpty(), owners);

        QVERIFY(m_fixture.fail(path, fault));
        const auto failing = startLoad(&m_fixture.dao(), listing, folderId, root);
        QSignalSpy finished(failing.get(), &Worker::workFinished);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(m_fixture.cachedUsers(), users);
        // A failed owner lookup keeps the listing.
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders")),
                 owners ? LoadingFixture::rows(LoadingFixture::children(m_fixture.portalFolders(100)),
                                               m_fixture.portalDocuments(100))
                        : cached);
    }

    void reusedLoadFetchesOnlyItsOwnOwners()
    {
        const QVariantList users =
            m_fixture.portal("POST", PortalPath::s_users, {{"Ids", QJsonArray{1, 2, 3, 4}}}).array().toVariantList();
        QCOMPARE(users.size(), 4);
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        // The owners of the first load stay unknown: their lookup fails.
        QVERIFY(m_fixture.fail(PortalPath::s_users, {{"status", 500}}));
        worker.loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.takeFirst().at(0).toBool(), false);
        // Meanwhile every owner became known: the next load has none to ask for.
        m_fixture.dao().insertUsers(users);
        worker.loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(finished, true));
    }

    // The workers of the dialogs and the search, each with one workFinished.
    void smallLoaders_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        const QList<SmallLoader> loaders = smallLoaderCases();
        for (int i = 0; i < loaders.size(); ++i) {
            QTest::addRow("%s", loaders[i].name) << i << QJsonObject() << QString();
            for (const LoadingFixture::PortalFailure &failure : LoadingFixture::portalFailures())
                QTest::addRow("%s: %s", loaders[i].name, failure.name) << i << failure.fault << failure.message;
        }
        QTest::newRow("folder info: no such folder")
            << 0 << QJsonObject{{"status", 200}, {"body", "[]"}} << QStringLiteral("*");
    }

    void smallLoaders()
    {
        QFETCH(int, index);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const SmallLoader loader = smallLoaderCases().at(index);
        if (!fault.isEmpty())
            QVERIFY(m_fixture.fail(loader.path, fault));

        std::unique_ptr<Worker> worker(loader.make(&m_fixture.dao()));
        QSignalSpy finished(worker.get(), &Worker::workFinished);
        std::unique_ptr<QSignalSpy> result(loader.result ? new QSignalSpy(worker.get(), loader.result) : nullptr);
        loader.start(worker.get());
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.first().at(0).toBool(), fault.isEmpty());
        if (message == QLatin1String("*"))
            QVERIFY(!finished.first().at(1).toString().isEmpty());
        else
            QCOMPARE(finished.first().at(1).toString(), message);
        if (fault.isEmpty()) {
            QCOMPARE(result ? result->count() : 1, 1);
            QVERIFY(loader.check(result ? result->first().first() : QVariant(), m_fixture));
        } else if (result) {
            QCOMPARE(result->count(), loader.resultOnFailure ? 1 : 0);
            if (loader.resultOnFailure)
                QVERIFY(result->first().first().toMap().isEmpty());
        } else {
            QVERIFY(m_fixture.cachedUsers().isEmpty());
        }
    }

    // A later request replaces an earlier one that has not answered: only the
    // newest reaches the cache or the page, with one workFinished.
    void newestRequestWins_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("listing") << "listing";
        QTest::newRow("search") << "search";
        QTest::newRow("folder names") << "names";
    }

    void newestRequestWins()
    {
        QFETCH(QString, kind);
        const QString path = kind == QLatin1String("search") ? PortalPath::s_search : PortalPath::s_folders;
        QVERIFY(m_fixture.fail(path, {{"mode", "delay"}, {"delayMs", 600}, {"count", 1}}));
        LoadFoldersAndFilesWorker listing(&m_fixture.dao());
        SearchFoldersAndFilesWorker search;
        GetNamesInDirectoryWorker names;
        Worker *worker = kind == QLatin1String("listing") ? static_cast<Worker *>(&listing)
                         : kind == QLatin1String("search") ? static_cast<Worker *>(&search)
                                                           : &names;
        QSignalSpy finished(worker, &Worker::workFinished);
        QSignalSpy searched(&search, &SearchFoldersAndFilesWorker::searchResult);
        QSignalSpy named(&names, &GetNamesInDirectoryWorker::namesReady);
        if (worker == &listing) {
            listing.loadFilesAndFolders(113, DirectoryType::MyDocuments);
            listing.loadFilesAndFolders(111, DirectoryType::MyDocuments);
        } else if (worker == &search) {
            search.search(QStringLiteral("Budget"), 0);
            search.search(QStringLiteral("Roadmap"), 0);
        } else {
            names.loadFolderNames(100);
            names.loadFolderNames(110);
        }
        // It also waits out the held-back answer.
        QVERIFY(finishedWith(finished, true));
        if (worker == &listing) {
            QVERIFY(m_fixture.cachedRows("files_and_folders", "WHERE directory_id = 113").isEmpty());
            QCOMPARE(m_fixture.cachedRows("files_and_folders", "WHERE directory_id = 111"),
                     LoadingFixture::rows({}, m_fixture.portalDocuments(111)));
        } else if (worker == &search) {
            QCOMPARE(searched.count(), 1);
            QCOMPARE(idsOf(entitiesOf(searched)), QList<int>{1003});
        } else {
            QCOMPARE(named.count(), 1);
            QCOMPARE(named.first().first().value<QList<QString>>(), (QStringList{"Aurora", "Archive 2023"}));
        }
    }

    void searchResultsCarryTheirFolderPaths()
    {
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.search(QStringLiteral("aurora"), 0);
        QVERIFY(finishedWith(finished, true));
        const QList<FolderElementEntity> entities = entitiesOf(results);
        const QString myDocuments = m_fixture.portalFolders(100).first().toObject().value(QStringLiteral("Name")).toString();
        QVERIFY(!myDocuments.isEmpty());
        QCOMPARE(entities.at(0).pathIds, (QList<int>{100, 110}));
        QCOMPARE(entities.at(0).pathNames, (QStringList{myDocuments, QStringLiteral("Projects")}));
        QCOMPARE(entities.at(1).isFile, true);
        QCOMPARE(entities.at(1).pathIds, (QList<int>{100, 110, 111}));
        QCOMPARE(entities.at(1).pathNames, (QStringList{myDocuments, QStringLiteral("Projects"), QStringLiteral("Aurora")}));

        // Within a folder, with the fields of the portal's record.
        finished.clear();
        results.clear();
        worker.search(QStringLiteral("Budget 2024"), 100);
        QVERIFY(finishedWith(finished, true));
        QVERIFY(m_fixture.receivedRequests().last().endsWith(QStringLiteral("&id=100")));
        QJsonObject portal;
        for (const QJsonValue &document : m_fixture.portalDocuments(100)) {
            if (document.toObject().value(QStringLiteral("Id")).toInt() == 1002)
                portal = document.toObject();
        }
        const QList<FolderElementEntity> found = entitiesOf(results);
        QCOMPARE(found.size(), 1);
        const FolderElementEntity &entity = found.first();
        QCOMPARE(entity.id, 1002);
        QCOMPARE(entity.name, portal.value(QStringLiteral("Name")).toString());
        QCOMPARE(entity.ownerId, portal.value(QStringLiteral("OwnerId")).toInt());
        QCOMPARE(entity.timestamp, QDateTime::fromString(portal.value(QStringLiteral("Timestamp")).toString(), Qt::ISODate));
        QVERIFY(entity.timestamp.isValid());
        QCOMPARE(entity.isFavorite, true);
        QCOMPARE(entity.size, portal.value(QStringLiteral("Size")).toInt());
        QVERIFY(entity.size > 0);
        QVERIFY(!entity.isShared && !entity.busy && !entity.selected);
        QCOMPARE(entity.pathIds, QList<int>{100});
    }

    void searchAnswerObjects()
    {
        const QVariantMap grandParent{{"Id", 1}, {"Name", "top"}};
        const QVariantMap parent{{"Id", 2}, {"Name", "middle"}, {"Parent", grandParent}};
        const QVariantMap answer{
            {"success", true},
            {"directories", QVariantList{QVariantMap{{"Id", -1}, {"Name", "virtual"}}, QVariantMap{{"Id", 5}, {"Name", "no parent"}}}},
            {"documents", QVariantList{QVariantMap{{"Id", 0}, {"Parent", parent}}, QVariantMap{{"Id", -7}}}},
        };
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        worker.handleSearchRequest(answer);
        const QList<FolderElementEntity> entities = entitiesOf(results);
        QCOMPARE(idsOf(entities), (QList<int>{5, 0}));
        QVERIFY(entities.at(0).pathIds.isEmpty() && entities.at(0).pathNames.isEmpty());
        QCOMPARE(entities.at(1).pathIds, (QList<int>{1, 2}));
        QCOMPARE(entities.at(1).pathNames, (QStringList{QStringLiteral("top"), QStringLiteral("middle")}));
    }
};

VELLIX_TEST_MAIN(TestLoadingWorkers, QCoreApplication)
#include "tst_loadingworkers.moc"
