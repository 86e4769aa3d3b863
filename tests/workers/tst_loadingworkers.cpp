#include "editor/getdocumentlinkworker.h"
#include "loadingfixture.h"
#include "portalrefusal.h"
#include "requests/getdocumentinforequest.h"
#include "requests/portalexchange.h"
#include "requests/requestinterface.h"
#include "testenvironment.h"
#include "workers/getcustomerrolesworker.h"
#include "workers/getdocumentinfoworker.h"
#include "workers/getdocumentsworker.h"
#include "workers/getentityshareinfoworker.h"
#include "workers/getfolderinfoworker.h"
#include "workers/getfolderlinkworker.h"
#include "workers/getfoldersworker.h"
#include "workers/getnamesindirectoryworker.h"
#include "workers/getusersinfoworker.h"
#include "workers/loadfoldersandfilesworker.h"
#include "workers/runnableworker.h"
#include "workers/searchfoldersandfilesworker.h"
#include "workers/searchusersworker.h"
#include "workers/servertaskpoller.h"
#include "workers/sqltoentitiesconvertworker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QMetaMethod>
#include <QPointer>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QThread>
#include <QThreadPool>
#include <QtTest>

#include <functional>
#include <memory>

enum class Listing { FoldersAndFiles, Folders, Documents };
Q_DECLARE_METATYPE(Listing)

namespace {
// Stands for a worker whose request answers on the main thread later; a held
// one waits in its run() until the test lets it go.
class EchoWorker : public RunnableWorker
{
    Q_OBJECT
public:
    explicit EchoWorker(int finishCalls = 1, QObject *parent = nullptr, bool held = false)
        : RunnableWorker(nullptr, nullptr, parent)
        , m_finishCalls(finishCalls)
        , m_held(held)
    {
    }

    QThread *runThread = nullptr;
    QThread *handlerThread = nullptr;
    QSemaphore running;
    QSemaphore letGo;

protected:
    void startWork() override
    {
        runThread = QThread::currentThread();
        if (m_held) {
            running.release();
            letGo.acquire();
        }
        QMetaObject::invokeMethod(this, &EchoWorker::handleResult, Qt::QueuedConnection);
    }

private:
    void handleResult()
    {
        handlerThread = QThread::currentThread();
        for (int i = 0; i < m_finishCalls; ++i)
            finishWork(i == 0, QStringLiteral("call %1").arg(i));
    }

    int m_finishCalls;
    bool m_held;
};

// Starts an EchoWorker from inside its own pool-thread run().
class NestingWorker : public RunnableWorker
{
    Q_OBJECT
public:
    NestingWorker()
        : RunnableWorker(nullptr, nullptr, nullptr)
    {
    }

protected:
    void startWork() override
    {
        auto *worker = new EchoWorker;
        connect(worker, &Worker::workFinished, this, [this](bool success) { finishWork(success); },
                Qt::QueuedConnection);
        QThreadPool::globalInstance()->start(worker);
    }
};

// A request that answers at once, without the portal.
class AnsweringRequest : public RequestInterface
{
    Q_OBJECT
protected:
    QVariantMap perform() override { return {{s_successKey, true}}; }
};

// Runs its request directly on its pool thread.
class DirectRequestWorker : public RunnableWorker
{
    Q_OBJECT
public:
    // request follows the request the worker makes, beyond the worker's life.
    explicit DirectRequestWorker(QPointer<RequestInterface> *request)
        : RunnableWorker(nullptr, nullptr, nullptr)
        , m_request(request)
    {
    }

protected:
    void startWork() override
    {
        auto *answering = new AnsweringRequest;
        *m_request = answering;
        runRequest(answering, &DirectRequestWorker::handleResult);
    }

private:
    void handleResult(const QVariantMap &result) { finishWork(result.value(RequestInterface::s_successKey).toBool()); }

    QPointer<RequestInterface> *m_request;
};


// A cached row of an unrelated folder; no listing load may touch it.
const int s_unrelatedFolder = 424242;
const QString s_filesAndFolders = QStringLiteral("files_and_folders");

std::unique_ptr<AbstractLoadEntriesWorker> startLoad(DataAccessObject *dao, Listing listing, int folderId,
                                                     DirectoryType::RootDirectoryTypes root)
{
    if (listing == Listing::FoldersAndFiles) {
        auto worker = std::make_unique<LoadFoldersAndFilesWorker>(dao);
        worker->loadFilesAndFolders(folderId, root);
        return worker;
    }
    if (listing == Listing::Folders) {
        auto worker = std::make_unique<GetFoldersWorker>(dao);
        worker->getFoldersFromServer(folderId, root);
        return worker;
    }
    auto worker = std::make_unique<GetDocumentsWorker>(dao);
    worker->getDocumentsFromServer(folderId, root);
    return worker;
}

QVariantMap portalObject(int id, const QString &idKey, int parentId, bool favorite)
{
    return {{QStringLiteral("Id"), id}, {idKey, parentId}, {QStringLiteral("Name"), QStringLiteral("stale %1").arg(id)},
            {QStringLiteral("IsFavorite"), favorite}};
}

QVariantMap folder(int id, const QList<QVariant> &children = {}, const QVariant &owner = QVariant())
{
    QVariantMap object{{QStringLiteral("Id"), id}, {QStringLiteral("Name"), QStringLiteral("folder %1").arg(id)}};
    if (!children.isEmpty())
        object.insert(QStringLiteral("Children"), children);
    if (owner.isValid())
        object.insert(QStringLiteral("OwnerId"), owner);
    return object;
}

QStringList namesOf(const QJsonArray &objects)
{
    QStringList names;
    for (const QJsonValue &object : objects)
        names.append(object.toObject().value(QStringLiteral("Name")).toString());
    return names;
}

QList<int> idsOf(const QList<QVariant> &objects)
{
    QList<int> ids;
    for (const QVariant &object : objects)
        ids.append(object.toMap().value(QStringLiteral("Id")).toInt());
    return ids;
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

QStringList describe(const QVariant &list)
{
    QStringList texts;
    for (const UserOrRoleEntity &e : list.value<QList<UserOrRoleEntity>>())
        texts << QStringLiteral("%1 %2 access %3 %4").arg(e.isGroup ? "role" : "user").arg(e.id).arg(e.access).arg(e.name)
                     .trimmed();
    return texts;
}

QStringList describeLinks(const QVariant &list)
{
    QStringList texts;
    for (const SharedLink &l : list.value<QList<SharedLink>>())
        texts << QStringLiteral("%1 %2 type %3 lifetime %4 access %5")
                     .arg(l.uid).arg(l.entityId).arg(l.type).arg(l.lifeTime).arg(l.accessType);
    return texts;
}

// The portal may answer with any number of sub-folders and any depth;
// flattening must not need a stack that grows with either. A thread with a
// small stack makes a growing one fail at once.
QList<int> descendantsOnSmallStack(const QList<QVariant> &tree)
{
    QList<QVariant> descendants;
    std::unique_ptr<QThread> thread(QThread::create(
        [&] { AbstractLoadEntriesWorker::fillFoldersChildren(tree.size() - 1, tree, &descendants); }));
    thread->setStackSize(256 * 1024);
    thread->start();
    thread->wait();
    return idsOf(descendants);
}

} // namespace

// Every signal of a worker in the order it came, with the arguments of the last of each.
class SignalLog : public QObject
{
    Q_OBJECT
public:
    explicit SignalLog(QObject *worker)
    {
        const QMetaObject *meta = worker->metaObject();
        const QMetaMethod record = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod signal = meta->method(i);
            // A signal with a default argument also has a clone without it.
            if (signal.methodType() != QMetaMethod::Signal || (signal.attributes() & QMetaMethod::Cloned))
                continue;
            m_spies.insert(QString::fromLatin1(signal.name()), std::make_shared<QSignalSpy>(worker, signal));
            connect(worker, signal, this, record);
        }
    }

    // Waits until the worker finished and nothing else follows.
    bool finished()
    {
        return QTest::qWaitFor([this] { return names.contains(QStringLiteral("workFinished")); }, 15000)
            && TestEnvironment::settle();
    }
    QVariant argument(const QString &signal, int index) const { return m_spies.value(signal)->last().value(index); }

    QStringList names;

public slots:
    void record() { names << QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()); }

private:
    QHash<QString, std::shared_ptr<QSignalSpy>> m_spies;
};

namespace {

// A worker of the dialogs and the search: how it starts, the signals of its
// success, what they carry, and the signals of its failure. The newest-request
// cases use it too, started twice.
struct Reader
{
    const char *name;
    std::function<Worker *(DataAccessObject *)> make;
    std::function<void(Worker *)> start;
    QString path;
    QStringList succeeded;
    std::function<void(const SignalLog &, LoadingFixture &)> check;
    QStringList failed = {};
};

template<class T>
std::function<Worker *(DataAccessObject *)> plain()
{
    return [](DataAccessObject *) { return new T; };
}

QList<Reader> readers()
{
    const auto info = [](int id, const QString &name, int directoryId) {
        return [=](const SignalLog &log, LoadingFixture &) {
            const QVariantMap map = log.argument("infoReady", 0).toMap();
            if (id)
                QCOMPARE(map.value(QStringLiteral("Id")).toInt(), id);
            QCOMPARE(map.value(QStringLiteral("Name")).toString(), name);
            QCOMPARE(map.value(QStringLiteral("DirectoryId")).toInt(), directoryId);
        };
    };
    const auto names = [](bool files, int folderId) {
        return [=](const SignalLog &log, LoadingFixture &fixture) {
            const QStringList expected = files ? namesOf(fixture.portalDocuments(folderId))
                                               : namesOf(LoadingFixture::children(fixture.portalFolders(folderId)));
            QCOMPARE(log.argument("namesReady", 0).value<QList<QString>>(), expected);
            QVERIFY(!expected.isEmpty());
        };
    };
    const auto nameLoader = [](bool files, int folderId) {
        return startAs<GetNamesInDirectoryWorker>([=](GetNamesInDirectoryWorker *worker) {
            files ? worker->loadFilesNames(folderId) : worker->loadFolderNames(folderId);
        });
    };
    const QStringList namesReady{"namesReady", "workFinished"};
    const QStringList shareInfo{"propertiesReady", "linksReady", "workFinished"};
    const QStringList finished{"workFinished"};
    return {
        {"folder info", plain<GetFolderInfoWorker>(),
         startAs<GetFolderInfoWorker>([](auto *worker) { worker->getFolderInfo(111); }), PortalPath::s_folders,
         {"infoReady", "workFinished"}, info(111, QStringLiteral("Aurora"), 110), {"workFinished", "infoReady"}},
        {"document info", plain<GetDocumentInfoWorker>(),
         startAs<GetDocumentInfoWorker>([](auto *worker) { worker->getDocumentInfo(1010); }), PortalPath::s_documentInfo,
         {"workFinished", "infoReady"}, info(0, QStringLiteral("Aurora specification.docx"), 111),
         {"workFinished", "infoReady"}},
        {"folder names", plain<GetNamesInDirectoryWorker>(), nameLoader(false, 110), PortalPath::s_folders, namesReady,
         names(false, 110), finished},
        {"document names", plain<GetNamesInDirectoryWorker>(), nameLoader(true, 100), PortalPath::s_documents,
         namesReady, names(true, 100), finished},
        {"search", plain<SearchFoldersAndFilesWorker>(),
         startAs<SearchFoldersAndFilesWorker>([](auto *worker) { worker->search(QStringLiteral("aurora"), 0); }),
         PortalPath::s_search, {"searchResult", "workFinished"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             // Folder Aurora 111 first, then its two documents, each with the path of its folder.
             const auto entities = log.argument("searchResult", 0).value<QList<FolderElementEntity>>();
             QCOMPARE(idsOf(entities), (QList<int>{111, 1010, 1011}));
             const QString myDocuments = fixture.portalFolders(100).first().toObject().value("Name").toString();
             QVERIFY(!myDocuments.isEmpty());
             QCOMPARE(entities.at(0).pathIds, (QList<int>{100, 110}));
             QCOMPARE(entities.at(0).pathNames, (QStringList{myDocuments, "Projects"}));
             QCOMPARE(entities.at(1).isFile, true);
             QCOMPARE(entities.at(1).pathIds, (QList<int>{100, 110, 111}));
             QCOMPARE(entities.at(1).pathNames, (QStringList{myDocuments, "Projects", "Aurora"}));
             // A document with the fields of the portal's record.
             QJsonObject portal;
             for (const QJsonValue &document : fixture.portalDocuments(111)) {
                 if (document.toObject().value(QStringLiteral("Id")).toInt() == 1010)
                     portal = document.toObject();
             }
             const FolderElementEntity &e = entities.at(1);
             QVERIFY(e.timestamp.isValid() && e.size > 0);
             QCOMPARE((QVariantList{e.name, e.ownerId, e.timestamp, e.size, e.isFavorite, e.isShared, e.busy, e.selected}),
                      (QVariantList{portal.value("Name").toString(), portal.value("OwnerId").toInt(),
                                    QDateTime::fromString(portal.value("Timestamp").toString(), Qt::ISODate),
                                    portal.value("Size").toInt(), portal.value("IsFavorite").toBool(),
                                    portal.value("IsShared").toBool(), false, false}));
         },
         finished},
        {"users info", [](DataAccessObject *dao) { return new GetUsersInfoWorker(dao); },
         startAs<GetUsersInfoWorker>([](auto *worker) { worker->loadUsersInfo({2, 3}); }), PortalPath::s_users, finished,
         [](const SignalLog &, LoadingFixture &fixture) {
             QCOMPARE(fixture.cachedUsers(), (QStringList{"2|Anna Petrova|anna.petrova@vellix.local",
                                                          "3|Ivan Sidorov|ivan.sidorov@vellix.local"}));
         },
         finished},
        {"share info of a document", plain<GetEntityShareInfoWorker>(),
         startAs<GetEntityShareInfoWorker>([](auto *worker) { worker->getEntityShareInfo(1001, EntityTypes::Document); }),
         "/api/v1/Share", shareInfo,
         [](const SignalLog &log, LoadingFixture &) {
             QCOMPARE(describe(log.argument("propertiesReady", 0)), QStringList{"user 2 access 1"});
             QCOMPARE(describe(log.argument("propertiesReady", 1)), QStringList());
             QCOMPARE(describeLinks(log.argument("linksReady", 0)),
                      QStringList{"link-welcome 1001 type 2 lifetime 10 access 1"});
         },
         finished},
        {"share info of a folder", plain<GetEntityShareInfoWorker>(),
         startAs<GetEntityShareInfoWorker>([](auto *worker) { worker->getEntityShareInfo(113, EntityTypes::Directory); }),
         "/api/v1/Share", shareInfo,
         [](const SignalLog &log, LoadingFixture &) {
             QCOMPARE(describe(log.argument("propertiesReady", 1)), QStringList{"role 1 access 1"});
             QCOMPARE(describeLinks(log.argument("linksReady", 0)), QStringList());
         },
         finished},
        {"folder link", plain<GetFolderLinkWorker>(), startAs<GetFolderLinkWorker>([](auto *worker) {
             worker->getFolderLink(113, DocumentLink::DefaultExternal, DocumentLink::Read, EntityTypes::Directory);
         }),
         "/api/v1/Link/Generate", {"workFinished", "uriReady"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             // The link the portal now keeps for the folder.
             QString uid;
             for (const QJsonValue &share : fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
                 if (share.toObject().value(QStringLiteral("EntityId")).toInt() == 113)
                     uid = share.toObject().value("Links").toArray().first().toObject().value("Uid").toString();
             }
             QVERIFY(!uid.isEmpty());
             const QString base = fixture.simulator().baseUrl();
             QCOMPARE(log.argument("uriReady", 0).toString(), base + "/link/" + uid);
             QCOMPARE(log.argument("uriReady", 1).toString(), base + "/s/" + uid);
             QCOMPARE(log.argument("uriReady", 2).toString(), uid);
             QCOMPARE(log.argument("workFinished", 1).toString(), QString());
         },
         finished},
        {"document link", plain<GetDocumentLinkWorker>(), startAs<GetDocumentLinkWorker>([](auto *worker) {
             worker->getDocumentCustomLink(1002, DocumentLink::DefaultExternal, DocumentLink::Write, EntityTypes::Document);
         }),
         "/api/v1/Link/Generate", {"workFinished", "uriReady"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             // The link is also the success message.
             const QString uid = log.argument("uriReady", 2).toString();
             QVERIFY(!uid.isEmpty());
             QCOMPARE(log.argument("uriReady", 0).toString(), fixture.simulator().baseUrl() + "/link/" + uid);
             QCOMPARE(log.argument("uriReady", 1).toString(), fixture.simulator().baseUrl() + "/s/" + uid);
             QCOMPARE(log.argument("uriReady", 4).toString(), QStringLiteral("1"));
             QCOMPARE(log.argument("workFinished", 1), log.argument("uriReady", 0));
         },
         finished},
        {"customer roles", [](DataAccessObject *dao) { return new GetCustomerRolesWorker(dao); },
         startAs<GetCustomerRolesWorker>([](auto *worker) { worker->getCusotmerRoles(); }), "/api/v1/Role",
         {"workFinished", "rolesReady"},
         [](const SignalLog &log, LoadingFixture &fixture) {
             QCOMPARE(describe(log.argument("rolesReady", 0)),
                      (QStringList{"role 1 access -1 Accounting", "role 2 access -1 Management", "role 3 access -1 All staff"}));
             QTRY_COMPARE(fixture.dao().retrieveRoleById(2).value(QStringLiteral("name")).toString(),
                          QStringLiteral("Management"));
         },
         finished},
        {"search users", plain<SearchUsersWorker>(),
         startAs<SearchUsersWorker>([](auto *worker) { worker->searchUsers(QStringLiteral("anna")); }),
         "/api/v1/User/Search", {"workFinished", "searchResult"},
         [](const SignalLog &log, LoadingFixture &) {
             QCOMPARE(log.argument("searchResult", 0).value<QList<int>>(), QList<int>{2});
         },
         // An empty result clears what the page showed.
         {"workFinished", "searchResult"}},
    };
}

} // namespace

// The workers of listings, dialogs and searches, and the frame every worker
// runs in: who owns it, its one workFinished, and the end of its calls on quit.
class TestLoadingWorkers : public QObject
{
    Q_OBJECT

    LoadingFixture m_fixture;

    QStringList cachedOwners(const QJsonArray &entries)
    {
        QJsonArray ids;
        for (const QJsonValue &entry : entries)
            ids.append(entry.toObject().value(QStringLiteral("OwnerId")).toInt());
        QStringList owners;
        for (const QJsonValue &user : m_fixture.portal("POST", PortalPath::s_users, {{"Ids", ids}}).array()) {
            const QJsonObject object = user.toObject();
            owners << QStringLiteral("%1|%2|%3").arg(object.value("Id").toInt()).arg(object.value("Name").toString(),
                                                                                    object.value("Email").toString());
        }
        owners.removeDuplicates();
        owners.sort();
        return owners;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<FolderElementEntity>>();
        qRegisterMetaType<QList<UserOrRoleEntity>>();
        qRegisterMetaType<QList<SharedLink>>();
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
        const auto all = Listing::FoldersAndFiles;
        QTest::newRow("my documents") << all << 100 << DirectoryType::MyDocuments << s_filesAndFolders << children(100);
        QTest::newRow("my documents sub-folder")
            << all << 111 << DirectoryType::MyDocuments << s_filesAndFolders << children(111);
        QTest::newRow("trash") << all << 105 << DirectoryType::Trash << s_filesAndFolders << children(105);
        QTest::newRow("available for me") << all << 101 << DirectoryType::Virtual << "available_documents" << QString();
        QTest::newRow("shared access") << all << 104 << DirectoryType::SharedAccess << "shared_access_documents"
                                       << QString();
        QTest::newRow("common") << all << 10 << DirectoryType::Common << "shared_documents" << QString();
        QTest::newRow("favorites") << Listing::Documents << 102 << DirectoryType::Favorite << s_filesAndFolders
                                   << "WHERE is_favorite = 1";
        QTest::newRow("last documents") << Listing::Documents << 103 << DirectoryType::LastDocuments
                                        << "last_documents" << QString();
        QTest::newRow("root page") << Listing::Folders << 0 << DirectoryType::MyDocuments << s_filesAndFolders
                                   << children(0);
        QTest::newRow("folder selection") << Listing::Folders << 110 << DirectoryType::MyDocuments
                                          << s_filesAndFolders << children(110);
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
        QStringList expectedRequests;
        if (listing != Listing::Documents)
            expectedRequests << "GET " + PortalPath::s_folders + (folderId > 0 ? QStringLiteral("?id=%1").arg(folderId) : "");
        if (listing != Listing::Folders)
            expectedRequests << "POST " + PortalPath::s_documents;
        expectedRequests << "POST " + PortalPath::s_users;
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
            listedWhere = where.isEmpty() ? "WHERE " + kind : QStringLiteral("WHERE (%1) AND %2").arg(where.mid(6), kind);
            const int otherKind = listing == Listing::Documents ? 900002 : 900001;
            QCOMPARE(m_fixture.cachedRows(table, QStringLiteral("WHERE id = %1").arg(otherKind)).size(), 1);
        }
        QCOMPARE(m_fixture.cachedRows(table, listedWhere), LoadingFixture::rows(listed, documents));
        QCOMPARE(m_fixture.cachedRows(s_filesAndFolders, QStringLiteral("WHERE directory_id = %1").arg(s_unrelatedFolder))
                     .size(),
                 1);

        // Every owner of the answer is now cached as the portal describes it.
        QJsonArray entries = allFolders;
        for (const QJsonValue &document : documents)
            entries.append(document);
        const QStringList owners = cachedOwners(entries);
        QVERIFY(!owners.isEmpty());
        QCOMPARE(m_fixture.cachedUsers(), owners);
    }

    // A failed load, whichever call fails, leaves the cache as it was.
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
            for (const QString &path : paths)
                QTest::addRow("%s, %s: refused", page, qPrintable(path.section('/', -1)))
                    << listing << folderId << root << path << PortalRefusal::fault() << PortalRefusal::text();
        };
        rows("my documents", Listing::FoldersAndFiles, 100, DirectoryType::MyDocuments,
             {PortalPath::s_folders, PortalPath::s_documents});
        // The root page loads folders only, the favorites page documents only.
        rows("root page", Listing::Folders, 0, DirectoryType::MyDocuments, {PortalPath::s_folders});
        rows("favorites", Listing::Documents, 102, DirectoryType::Favorite, {PortalPath::s_documents});
        // Answers that came through but are no listing.
        const QString unreadable = QStringLiteral("The portal sent an answer that cannot be read.");
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
        const auto good = startLoad(&m_fixture.dao(), listing, folderId, root);
        QSignalSpy goodFinished(good.get(), &Worker::workFinished);
        QVERIFY(finishedWith(goodFinished, true));
        const QStringList cached = m_fixture.cachedRows(s_filesAndFolders);
        const QStringList users = m_fixture.cachedUsers();
        QVERIFY(!cached.isEmpty());

        QVERIFY(m_fixture.simulator().setFault(path, fault));
        const auto failing = startLoad(&m_fixture.dao(), listing, folderId, root);
        QSignalSpy finished(failing.get(), &Worker::workFinished);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(m_fixture.cachedUsers(), users);
        QCOMPARE(m_fixture.cachedRows(s_filesAndFolders), cached);
    }

    // A reused worker forgets what its earlier loads collected: owners already
    // cached are not asked for again, and a failed load keeps the cached listing.
    void reusedLoadWorker()
    {
        const QVariantList users =
            m_fixture.portal("POST", PortalPath::s_users, {{"Ids", QJsonArray{1, 2, 3, 4}}}).array().toVariantList();
        QCOMPARE(users.size(), 4);
        LoadFoldersAndFilesWorker worker(&m_fixture.dao());
        QSignalSpy finished(&worker, &Worker::workFinished);
        const auto load = [&](int folderId, bool success) {
            finished.clear();
            worker.loadFilesAndFolders(folderId, DirectoryType::MyDocuments);
            return finishedOnce(finished) && finished.first().at(0).toBool() == success;
        };
        // The owners of the first load stay unknown: their lookup fails, keeps failing, and keeps the listing.
        QVERIFY(m_fixture.simulator().setFault(PortalPath::s_users, PortalRefusal::fault()));
        QVERIFY(load(100, false));
        QCOMPARE(finished.first().at(1).toString(), PortalRefusal::text());
        QVERIFY(m_fixture.cachedUsers().isEmpty());
        QCOMPARE(m_fixture.cachedRows(s_filesAndFolders), LoadingFixture::rows(LoadingFixture::children(m_fixture.portalFolders(100)),
                                                                               m_fixture.portalDocuments(100)));
        // Meanwhile every owner became known: the next loads have none to ask for.
        m_fixture.dao().insertUsers(users);
        QVERIFY(m_fixture.simulator().clearRequests());
        QVERIFY(load(100, true));
        QVERIFY(worker.ownerIds().isEmpty());
        QCOMPARE(m_fixture.receivedRequests(),
                 (QStringList{"GET " + PortalPath::s_folders + "?id=100", "POST " + PortalPath::s_documents}));

        // Reports 113 holds documents; Aurora 111 others.
        const QString reports = QStringLiteral("WHERE parent_id = 113 OR directory_id = 113");
        QVERIFY(load(113, true));
        const QStringList reportsRows = m_fixture.cachedRows(s_filesAndFolders, reports);
        QCOMPARE(reportsRows, LoadingFixture::rows({}, m_fixture.portalDocuments(113)));
        QVERIFY(!reportsRows.isEmpty());
        QVERIFY(load(111, true));
        const QStringList all = m_fixture.cachedRows(s_filesAndFolders);
        QVERIFY(m_fixture.simulator().setFault(PortalPath::s_documents, {{"mode", "status"}, {"status", 500}}));
        QVERIFY(load(113, false));
        QCOMPARE(m_fixture.cachedRows(s_filesAndFolders, reports), reportsRows);
        QCOMPARE(m_fixture.cachedRows(s_filesAndFolders), all);
    }

    // The workers of the dialogs and the search, each with one workFinished.
    void reads_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        const QList<Reader> all = readers();
        for (int i = 0; i < all.size(); ++i) {
            QTest::addRow("%s", all[i].name) << i << QJsonObject() << QString();
            QTest::addRow("%s: refused", all[i].name) << i << PortalRefusal::fault() << PortalRefusal::text();
        }
        QTest::newRow("folder info: no such folder")
            << 0 << QJsonObject{{"status", 200}, {"body", "[]"}} << QStringLiteral("*");
    }

    void reads()
    {
        QFETCH(int, index);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const Reader reader = readers().at(index);
        const bool success = fault.isEmpty();
        if (!success)
            QVERIFY(m_fixture.simulator().setFault(reader.path, fault));
        const std::unique_ptr<Worker> worker(reader.make(&m_fixture.dao()));
        SignalLog log(worker.get());
        reader.start(worker.get());
        QVERIFY(log.finished());
        QCOMPARE(log.names, success ? reader.succeeded : reader.failed);
        QCOMPARE(log.argument("workFinished", 0).toBool(), success);
        if (message == QLatin1String("*"))
            QVERIFY(!log.argument("workFinished", 1).toString().isEmpty());
        else if (!log.names.contains(QStringLiteral("uriReady")))
            QCOMPARE(log.argument("workFinished", 1).toString(), message);
        if (success) {
            reader.check(log, m_fixture);
            return;
        }
        // A failure caches nothing, and a result it sends is empty.
        QVERIFY(m_fixture.cachedUsers().isEmpty());
        QVERIFY(m_fixture.dao().retrieveRoleById(1).isEmpty());
        for (const QString &signal : log.names) {
            const QVariant result = log.argument(signal, 0);
            if (signal != QLatin1String("workFinished"))
                QVERIFY(result.toMap().isEmpty() && result.value<QList<int>>().isEmpty());
        }
    }

    void shareInfoWithoutLinks()
    {
        const QJsonObject user{{"PrincipalId", 3}, {"Type", 5}};
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Share"),
                               {{"status", 200},
                                {"body", QJsonObject{{"UserAccessRights", QJsonArray{user}}, {"RoleAccessRights", QJsonArray()}}}}));
        GetEntityShareInfoWorker worker;
        SignalLog log(&worker);
        worker.getEntityShareInfo(1001, EntityTypes::Document);
        QVERIFY(log.finished());
        QCOMPARE(log.names, (QStringList{"propertiesReady", "linksReady", "workFinished"}));
        QCOMPARE(describe(log.argument("propertiesReady", 0)), QStringList{"user 3 access 5"});
        QCOMPARE(describeLinks(log.argument("linksReady", 0)), QStringList());
    }

    // A later request replaces an earlier one that has not answered: only the
    // newest reaches the cache or the page, with one workFinished.
    void newestRequestWins_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < replacements().size(); ++i)
            QTest::addRow("%s", replacements().at(i).name) << i;
    }

    void newestRequestWins()
    {
        QFETCH(int, index);
        const Reader replacement = replacements().at(index);
        QVERIFY(m_fixture.simulator().setFault(replacement.path, {{"mode", "delay"}, {"delayMs", 600}, {"count", 1}}));
        const std::unique_ptr<Worker> worker(replacement.make(&m_fixture.dao()));
        SignalLog log(worker.get());
        replacement.start(worker.get());
        // It also waits out the held-back answer.
        QVERIFY(log.finished());
        QCOMPARE(log.names.count(QStringLiteral("workFinished")), 1);
        QCOMPARE(log.argument("workFinished", 0).toBool(), true);
        replacement.check(log, m_fixture);
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
        QCOMPARE(entities.at(1).pathNames, (QStringList{"top", "middle"}));
    }

    // Folder trees as a load collects them: top level, then child lists,
    // siblings from last to first, a list before the lists below it.
    void flattening_data()
    {
        QTest::addColumn<QVariantList>("tree");
        QTest::addColumn<QList<int>>("ids");
        // 1 ─ 11 ─ 111, 112
        //   └ 12
        // 2 ─ 21 ─ 211 ─ 2111
        // 3
        QTest::newRow("three levels") << QVariantList{folder(1, {folder(11, {folder(111), folder(112)}), folder(12)}),
                                                      folder(2, {folder(21, {folder(211, {folder(2111)})})}), folder(3)}
                                      << QList<int>{1, 2, 3, 21, 211, 2111, 11, 12, 111, 112};
        for (const QVariant &children : {QVariant::fromValue(nullptr), QVariant(QVariantList()), QVariant("none")}) {
            QVariantMap object = folder(1);
            object.insert(QStringLiteral("Children"), children);
            QTest::addRow("children: %s", children.typeName())
                << QVariantList{object, folder(2, {folder(21)})} << QList<int>{1, 2, 21};
        }
    }

    void flattening()
    {
        QFETCH(QVariantList, tree);
        QFETCH(QList<int>, ids);
        GetFoldersWorker worker(&m_fixture.dao());
        worker.addFolders(tree);
        QCOMPARE(idsOf(worker.folders()), ids);
    }

    void flatteningNeedsNoDeepStack()
    {
        const int count = 50000;
        QList<QVariant> children;
        children.reserve(count);
        for (int i = 0; i < count; ++i)
            children.append(folder(100000 + i, {folder(200000 + i)}));
        const QList<int> ids = descendantsOnSmallStack({folder(1, children)});
        QCOMPARE(ids.size(), 2 * count);
        QCOMPARE(ids.at(0), 100000);
        QCOMPARE(ids.at(count - 1), 100000 + count - 1);
        // Grandchildren lists follow, from the last sibling to the first.
        QCOMPARE(ids.at(count), 200000 + count - 1);
        QCOMPARE(ids.last(), 200000);

        const int depth = 3000;
        QVariantMap node = folder(depth);
        QList<int> chain{depth};
        for (int level = depth - 1; level >= 1; --level) {
            node = folder(level, {node});
            chain.prepend(level);
        }
        chain.removeFirst();
        QCOMPARE(descendantsOnSmallStack({node}), chain);
    }

    void ownerIds_data()
    {
        QTest::addColumn<QVariant>("owner");
        QTest::addColumn<bool>("collected");
        QTest::newRow("unknown") << QVariant(5) << true;
        QTest::newRow("as text") << QVariant(QStringLiteral("6")) << true;
        QTest::newRow("cached") << QVariant(7) << false;
        QTest::newRow("zero") << QVariant(0) << false;
        QTest::newRow("negative") << QVariant(-3) << false;
        QTest::newRow("null") << QVariant::fromValue(nullptr) << false;
        QTest::newRow("missing") << QVariant() << false;
    }

    void ownerIds()
    {
        QFETCH(QVariant, owner);
        QFETCH(bool, collected);
        m_fixture.dao().insertUsers({QVariantMap{{"Id", 7}, {"Name", "Known"}}});
        GetFoldersWorker worker(&m_fixture.dao());
        worker.addFolders({folder(1, {}, owner), folder(2, {folder(3, {}, owner)})});
        QCOMPARE(worker.ownerIds(), collected ? QList<QVariant>{owner.toInt()} : QList<QVariant>());
    }

    void convertsCachedRows()
    {
        // Columns a folder or a file does not use hold values on purpose.
        QSqlQuery query(m_fixture.dao().db());
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO files_and_folders(id, owner_id, name, directory_id, parent_id, timestamp, type, is_favorite, "
            "size, is_file, busy, is_shared) VALUES "
            "(7, 3, 'Folder', 1, 1, '2024-03-01T10:15:30Z', 16, 1, 4096, 0, 1, 1), "
            "(8, 4, 'File.docx', 1, 1, '2024-03-02T08:00:00', 5, 1, 2048, 1, 0, 0)")));
        SqlToEntitiesConvertWorker worker;
        QSignalSpy complete(&worker, &SqlToEntitiesConvertWorker::entitiesComplete);
        worker.convert(&m_fixture.dao(), QStringLiteral("SELECT * FROM files_and_folders ORDER BY id"));
        // Synchronous: the rows are there when convert returns.
        QCOMPARE(complete.count(), 1);
        QStringList described;
        for (const FolderElementEntity &e : entitiesOf(complete))
            described << QStringLiteral("%1 %2 owner %3 file %4 type %5 size %6 favorite %7 busy %8 shared %9")
                                 .arg(e.id).arg(e.name).arg(e.ownerId).arg(e.isFile).arg(e.type).arg(e.size)
                                 .arg(e.isFavorite).arg(e.busy).arg(e.isShared)
                             + QStringLiteral(" %1 %2").arg(e.timestamp.toString(Qt::ISODate)).arg(e.pathIds.size());
        QCOMPARE(described, (QStringList{"7 Folder owner 3 file 0 type 16 size -1 favorite 0 busy 1 shared 1 2024-03-01T10:15:30Z 0",
                                         "8 File.docx owner 4 file 1 type -1 size 2048 favorite 1 busy 0 shared 0 2024-03-02T08:00:00 0"}));
    }

    void convertsNothingWithoutRows_data()
    {
        QTest::addColumn<bool>("cache");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no cache") << false << "Error convert folders: DAO is null";
        QTest::newRow("broken query") << true << "Get entities from DAO failed";
    }

    void convertsNothingWithoutRows()
    {
        QFETCH(bool, cache);
        QFETCH(QString, warning);
        SqlToEntitiesConvertWorker worker;
        QSignalSpy complete(&worker, &SqlToEntitiesConvertWorker::entitiesComplete);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        worker.convert(cache ? &m_fixture.dao() : nullptr, QStringLiteral("SELECT * FROM no_such_table"));
        QCOMPARE(complete.count(), 1);
        QVERIFY(entitiesOf(complete).isEmpty());
    }

    // Later finishWork calls are ignored: exactly one workFinished.
    void runnableWorkerOutlivesRunAndFreesItself_data()
    {
        QTest::addColumn<int>("finishCalls");
        QTest::newRow("finished once") << 1;
        QTest::newRow("finished three times") << 3;
    }

    void runnableWorkerOutlivesRunAndFreesItself()
    {
        QFETCH(int, finishCalls);
        auto *worker = new EchoWorker(finishCalls);
        QPointer<EchoWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThread *runThread = nullptr;
        QThread *handlerThread = nullptr;
        connect(worker, &Worker::workFinished, this, [&] {
            runThread = worker->runThread;
            handlerThread = worker->handlerThread;
        });
        QThreadPool::globalInstance()->start(worker);
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(finished.first().at(1).toString(), QStringLiteral("call 0"));
        QVERIFY(runThread && runThread != QThread::currentThread());
        QCOMPARE(handlerThread, QThread::currentThread());
    }

    void directlyRunRequestIsFreed()
    {
        QPointer<RequestInterface> request;
        auto *worker = new DirectRequestWorker(&request);
        QPointer<DirectRequestWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(worker);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QTRY_VERIFY(alive.isNull());
        QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
        QVERIFY(request.isNull());
    }

    void workerCreatedOnPoolThreadHandlesOnMainThread()
    {
        auto *outer = new NestingWorker;
        QSignalSpy finished(outer, &Worker::workFinished);
        QThreadPool::globalInstance()->start(outer);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
    }

    // A runnable worker is owned by its run: a parent that goes first neither
    // frees it under the running run() nor a second time afterwards.
    void parentGoingFirstLeavesTheRunItsWorker()
    {
        auto *parent = new QObject;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("owned by its run")));
        auto *worker = new EchoWorker(1, parent, true);
        QPointer<EchoWorker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(worker);
        QVERIFY(worker->running.tryAcquire(1, 10000));

        delete parent;
        QVERIFY(!alive.isNull());
        worker->letGo.release();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QTRY_VERIFY(alive.isNull());
    }

    // On quit the portal calls in flight end at once, those started later too,
    // and no server task is polled any more. The switch is for the whole
    // process, so this case comes last.
    void quitEndsCallsAndStopsPolling()
    {
        LoadingFixture &fixture = m_fixture;
        const auto polls = [&] { return fixture.receivedRequests().filter(QStringLiteral("/api/v1/UserTask")).size(); };
        QVERIFY(fixture.simulator().setTaskSteps(1000000));
        ServerTaskPoller::setPollInterval(20);
        const int taskId = fixture.portal("GET", QStringLiteral("/api/v1/DocumentDirectory/Archive?Id=110"))
                               .object()
                               .value(QStringLiteral("TaskId"))
                               .toInt();
        QVERIFY(taskId > 0);
        ServerTaskPoller poller(nullptr);
        QSignalSpy finished(&poller, &ServerTaskPoller::taskFinished);
        poller.start(taskId);
        QTRY_VERIFY_WITH_TIMEOUT(polls() >= 2, 10000);

        QVERIFY(fixture.simulator().setFault(PortalPath::s_documentInfo, {{"mode", "hang"}}));
        const auto startRequest = [](int documentId) {
            auto *request = new GetDocumentInfoRequest(documentId);
            auto spy = std::make_unique<QSignalSpy>(request, &RequestInterface::requestFinished);
            QThreadPool::globalInstance()->start(request);
            return spy;
        };
        const auto endedUnsuccessfully = [](QSignalSpy &ended) {
            // The call may end before a wait() would start listening, so the spy's record is awaited.
            return QTest::qWaitFor([&] { return !ended.isEmpty(); }, 20000) && ended.size() == 1
                && !ended.first().first().toMap().value(QStringLiteral("success")).toBool();
        };
        const auto stalled = startRequest(1001);
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.receivedRequests().filter(PortalPath::s_documentInfo).isEmpty(), 10000);

        PortalExchange::cancelAll();
        QVERIFY(endedUnsuccessfully(*stalled));
        // A request started from now on ends as well, though the portal still stalls.
        QVERIFY(endedUnsuccessfully(*startRequest(1002)));

        // A poll that was under way may still report its end; none follows.
        const int polled = polls();
        QTest::qWait(10 * ServerTaskPoller::pollInterval());
        QCOMPARE(polls(), polled);
        QVERIFY(finished.size() <= 1);
    }

private:
    // Workers started twice, the later request replacing the earlier before it answered.
    static QList<Reader> replacements()
    {
        return {
            {"listing", [](DataAccessObject *dao) { return new LoadFoldersAndFilesWorker(dao); },
             startAs<LoadFoldersAndFilesWorker>([](auto *worker) {
                 worker->loadFilesAndFolders(113, DirectoryType::MyDocuments);
                 worker->loadFilesAndFolders(111, DirectoryType::MyDocuments);
             }),
             PortalPath::s_folders, {},
             [](const SignalLog &, LoadingFixture &fixture) {
                 QVERIFY(fixture.cachedRows(s_filesAndFolders, "WHERE directory_id = 113").isEmpty());
                 QCOMPARE(fixture.cachedRows(s_filesAndFolders, "WHERE directory_id = 111"),
                          LoadingFixture::rows({}, fixture.portalDocuments(111)));
             }},
            {"search", plain<SearchFoldersAndFilesWorker>(),
             startAs<SearchFoldersAndFilesWorker>([](auto *worker) {
                 worker->search(QStringLiteral("Budget"), 0);
                 worker->search(QStringLiteral("Roadmap"), 0);
             }),
             PortalPath::s_search, {},
             [](const SignalLog &log, LoadingFixture &) {
                 QCOMPARE(log.names.count(QStringLiteral("searchResult")), 1);
                 QCOMPARE(idsOf(log.argument("searchResult", 0).value<QList<FolderElementEntity>>()), QList<int>{1003});
             }},
            {"folder names", plain<GetNamesInDirectoryWorker>(),
             startAs<GetNamesInDirectoryWorker>([](auto *worker) {
                 worker->loadFolderNames(100);
                 worker->loadFolderNames(110);
             }),
             PortalPath::s_folders, {},
             [](const SignalLog &log, LoadingFixture &) {
                 QCOMPARE(log.names.count(QStringLiteral("namesReady")), 1);
                 QCOMPARE(log.argument("namesReady", 0).value<QList<QString>>(), (QStringList{"Aurora", "Archive 2023"}));
             }},
            {"users search", plain<SearchUsersWorker>(),
             startAs<SearchUsersWorker>([](auto *worker) {
                 worker->searchUsers(QStringLiteral("anna"));
                 worker->searchUsers(QStringLiteral("olga"));
             }),
             "/api/v1/User/Search", {},
             [](const SignalLog &log, LoadingFixture &) {
                 QCOMPARE(log.names, (QStringList{"workFinished", "searchResult"}));
                 QCOMPARE(log.argument("searchResult", 0).value<QList<int>>(), QList<int>{4});
             }},
        };
    }
};

VELLIX_TEST_MAIN(TestLoadingWorkers, QCoreApplication)
#include "tst_loadingworkers.moc"
