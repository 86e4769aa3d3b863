#include "loadingfixture.h"
#include "testenvironment.h"
#include "workers/getdocumentsworker.h"
#include "workers/getfoldersworker.h"
#include "workers/getusersinfoworker.h"
#include "workers/loadfoldersandfilesworker.h"

#include <QCoreApplication>
#include <QtTest>

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
    void initTestCase() { QVERIFY(m_fixture.start()); }

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

    void failureLeavesCacheUnchanged_data()
    {
        LoadingFixture::failureClasses({PortalPath::s_folders, PortalPath::s_documents});
    }

    void failureLeavesCacheUnchanged()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        LoadFoldersAndFilesWorker good(&m_fixture.dao());
        QSignalSpy goodFinished(&good, &Worker::workFinished);
        good.loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedOnce(goodFinished));
        const QStringList cached = m_fixture.cachedRows(QStringLiteral("files_and_folders"));
        const QStringList users = m_fixture.cachedUsers();
        QVERIFY(cached.size() > 5);

        QVERIFY(m_fixture.fail(path, fault));
        LoadFoldersAndFilesWorker failing(&m_fixture.dao());
        QSignalSpy finished(&failing, &Worker::workFinished);
        failing.loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders")), cached);
        QCOMPARE(m_fixture.cachedUsers(), users);
    }

    void oneListingFailureLeavesCacheUnchanged_data()
    {
        LoadingFixture::failureClasses({PortalPath::s_folders, PortalPath::s_documents});
    }

    void oneListingFailureLeavesCacheUnchanged()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        // The root page loads folders only, the favorites page documents only.
        const bool folders = path == PortalPath::s_folders;
        const Listing listing = folders ? Listing::Folders : Listing::Documents;
        const int folderId = folders ? 0 : 102;
        const DirectoryType::RootDirectoryTypes root = folders ? DirectoryType::MyDocuments : DirectoryType::Favorite;

        const auto good = startLoad(&m_fixture.dao(), listing, folderId, root);
        QSignalSpy goodFinished(good.get(), &Worker::workFinished);
        QVERIFY(finishedOnce(goodFinished));
        const QStringList cached = m_fixture.cachedRows(QStringLiteral("files_and_folders"));
        QVERIFY(!cached.isEmpty());

        QVERIFY(m_fixture.fail(path, fault));
        const auto failing = startLoad(&m_fixture.dao(), listing, folderId, root);
        QSignalSpy finished(failing.get(), &Worker::workFinished);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders")), cached);
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

    void failedOwnerLookupKeepsListing_data()
    {
        LoadingFixture::failureClasses({PortalPath::s_users});
    }

    void failedOwnerLookupKeepsListing()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        QVERIFY(m_fixture.fail(path, fault));
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.loadFilesAndFolders(100, DirectoryType::MyDocuments);
        QVERIFY(finishedWith(finished, false, message));
        QVERIFY(m_fixture.cachedUsers().isEmpty());
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders")),
                 LoadingFixture::rows(LoadingFixture::children(m_fixture.portalFolders(100)), m_fixture.portalDocuments(100)));
    }

    void restartedLoadReportsOnlyTheNewest()
    {
        // Whichever of the two folder answers is held back, only the second
        // load may reach the cache and report.
        QVERIFY(m_fixture.fail(PortalPath::s_folders, {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                        {QStringLiteral("delayMs"), 600},
                                                        {QStringLiteral("count"), 1}}));
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.loadFilesAndFolders(113, DirectoryType::MyDocuments);
        worker.loadFilesAndFolders(111, DirectoryType::MyDocuments);
        // It also waits out the held-back answer.
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QVERIFY(m_fixture.cachedRows(QStringLiteral("files_and_folders"), QStringLiteral("WHERE directory_id = 113")).isEmpty());
        QCOMPARE(m_fixture.cachedRows(QStringLiteral("files_and_folders"), QStringLiteral("WHERE directory_id = 111")),
                 LoadingFixture::rows({}, m_fixture.portalDocuments(111)));
    }

    void usersInfoStoresUsers()
    {
        GetUsersInfoWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        QSignalSpy usersChanged(&m_fixture.dao(), &DataAccessObject::usersChanged);
        worker.loadUsersInfo({2, 3});
        QVERIFY(finishedWith(finished, true));
        QCOMPARE(usersChanged.count(), 1);
        QCOMPARE(m_fixture.cachedUsers(), (QStringList{QStringLiteral("2|Anna Petrova|anna.petrova@vellix.local"),
                                                       QStringLiteral("3|Ivan Sidorov|ivan.sidorov@vellix.local")}));
    }

    void usersInfoFailure_data() { LoadingFixture::failureClasses({PortalPath::s_users}); }

    void usersInfoFailure()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        QVERIFY(m_fixture.fail(path, fault));
        GetUsersInfoWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.loadUsersInfo({2});
        QVERIFY(finishedWith(finished, false, message));
        QVERIFY(m_fixture.cachedUsers().isEmpty());
    }
};

VELLIX_TEST_MAIN(TestLoadingWorkers, QCoreApplication)
#include "tst_loadingworkers.moc"
