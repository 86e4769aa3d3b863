#include "cachetestsupport.h"
#include "testenvironment.h"

#include "app/coreinit.h"
#include "database/dataaccessobject.h"
#include "database/migrations.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThreadPool>
#include <QtTest>

#include <functional>

namespace {

using Edit = std::function<void(CacheFixture &)>;
using Scope = DataAccessObject::ListingScope;

const QString s_lastMigration = QStringLiteral("20220913-190000-create-metafolders-tables.sql");
const QStringList s_cacheTables{"files_and_folders", "passwords",  "users", "shared_documents", "available_documents",
                                "last_documents",    "roles",      "shared_access_documents"};
constexpr int s_threads = 6;
constexpr int s_files = 200;
constexpr int s_folders = 50;

QList<QVariant> list(std::initializer_list<QVariantMap> maps)
{
    return QList<QVariant>(maps.begin(), maps.end());
}

QList<QVariant> manyFolders()
{
    QList<QVariant> folders;
    for (int id = 1; id <= s_folders; ++id)
        folders.append(portalFolder(1000 + id, 10, QStringLiteral("Folder %1").arg(id)));
    return folders;
}

// Folder 10 of My documents: folder 5, files 5 and 6; folder 20 holds file 30.
void storeMyDocumentsFolder(DataAccessObject &dao)
{
    dao.updateFilesAndFolders(list({portalFile(5, 10, "five.txt"), portalFile(6, 10, "six.txt")}),
                              list({portalFolder(5, 10, "Five")}), 10, DirectoryType::MyDocuments);
    dao.updateFilesAndFolders(list({portalFile(30, 20, "other.txt")}), {}, 20, DirectoryType::MyDocuments);
}

QStringList embeddedMigrations()
{
    return QDir(Migrations::s_embeddedDirectory).entryList(QDir::Files);
}

// One connection of the test's own to a database file.
class Database
{
public:
    explicit Database(const QString &fileName)
        : m_name(QStringLiteral("local-cache-test-%1").arg(++s_serial))
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(fileName);
        m_db.open();
    }
    ~Database()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return m_db; }
    QStringList column(const QString &sql) const
    {
        QStringList values;
        QSqlQuery query(m_db);
        query.exec(sql);
        while (query.next())
            values.append(query.value(0).toString());
        return values;
    }
    QString version() const { return column(QStringLiteral("SELECT version FROM version_info")).join('|'); }
    QStringList tables() const { return column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")); }
    QString schema() const { return column(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name")).join('\n'); }
    void migrate(const QString &directory = Migrations::s_embeddedDirectory) const
    {
        Migrations migrations(directory);
        migrations.setDb(m_db);
        QVERIFY(migrations.performMigration());
    }

private:
    static inline int s_serial = 0;
    QString m_name;
    QSqlDatabase m_db;
};

} // namespace

Q_DECLARE_METATYPE(Edit)

// The local cache: listings, marks, users, passwords, access from pool
// threads, damaged files and the schema's migrations.
class TestLocalCache : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CacheFixture> m_cache;
    QTemporaryDir m_dir;
    int m_serial = 0;

    DataAccessObject &dao() { return m_cache->dao(); }
    QString newFile() { return m_dir.filePath(QStringLiteral("cache-%1.sqlite").arg(++m_serial)); }
    // A migrations directory with the first count embedded files and extra ones.
    QString migrationsDirectory(int count, const QMap<QString, QString> &extra = {})
    {
        const QString path = m_dir.filePath(QStringLiteral("migrations-%1").arg(++m_serial));
        QDir().mkpath(path);
        for (const QString &file : embeddedMigrations().mid(0, count))
            QFile::copy(Migrations::s_embeddedDirectory + file, path + '/' + file);
        for (auto it = extra.cbegin(); it != extra.cend(); ++it)
            TestEnvironment::writeFile(path + '/' + it.key(), it.value().toUtf8());
        return path;
    }
    // A cache with a saved password and enough listing rows to span many pages.
    static void writeCache(const QString &directory)
    {
        DataAccessObject cache(directory);
        migrate(cache.db());
        QVERIFY(cache.insertPassword(QStringLiteral("SSTORE"), QStringLiteral("container-password")));
        cache.updateFilesAndFolders(portalFiles(3000, 10), {}, 10, DirectoryType::MyDocuments);
    }
    // Runs pool tasks, serving the main thread's event loop (with work between turns) until all have finished.
    void runOnPool(int tasks, const std::function<void()> &task, const std::function<void()> &work = {})
    {
        QThreadPool pool;
        pool.setMaxThreadCount(s_threads);
        QAtomicInt finished;
        for (int i = 0; i < tasks; ++i) {
            pool.start([&] {
                task();
                finished.ref();
            });
        }
        while (finished.loadAcquire() < tasks) {
            if (work)
                work();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        pool.waitForDone();
        QCoreApplication::sendPostedEvents();
    }

private slots:
    void init() { m_cache = std::make_unique<CacheFixture>(); }
    void cleanup() { m_cache.reset(); }

    void missingDirectoriesAreCreated()
    {
        const QString path = m_cache->directory() + QStringLiteral("/a/b/c");
        DataAccessObject cache(path);
        QVERIFY(cache.db().isOpen());
        QVERIFY(QFileInfo::exists(path + QStringLiteral("/vellix-office.sqlite")));
        // A second instance gets its own connection instead of taking over the first.
        QVERIFY(cache.db().connectionName() != dao().db().connectionName());
        QVERIFY(dao().db().isOpen());
    }

    // Rows that did not change are neither deleted nor re-inserted.
    void unchangedRowsStay()
    {
        // Of folder 5, file 6 and file 5.
        const auto rowids = [this] {
            return m_cache->value("SELECT group_concat(rowid) FROM (SELECT rowid FROM files_and_folders "
                                  "WHERE parent_id = 10 OR directory_id = 10 ORDER BY is_file, id DESC)").toString().split(',');
        };
        storeMyDocumentsFolder(dao());
        const QStringList before = rowids();
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        storeMyDocumentsFolder(dao());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(rowids(), before);
        dao().updateFilesAndFolders(list({portalFile(5, 10, "renamed.txt"), portalFile(6, 10, "six.txt")}),
                                    list({portalFolder(5, 10, "Five")}), 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->value("SELECT name FROM files_and_folders WHERE id = 5 AND is_file = 1").toString(), "renamed.txt");
        // The unchanged file stays, and so does the folder with the changed file's id.
        QCOMPARE(rowids().mid(0, 2), before.mid(0, 2));
        QCOMPARE(m_cache->count("files_and_folders"), 4);
    }

    void edits_data()
    {
        QTest::addColumn<Edit>("edit");
        // "table WHERE ..." to its row count; "log:text" to the count of log lines with the text.
        QTest::addColumn<QVariantMap>("counts");
        QTest::addColumn<int>("notices"); // of files and folders, users and roles; -1: not counted
        const QString all = QStringLiteral("files_and_folders");
        const QString folder10 = QStringLiteral("files_and_folders WHERE (parent_id = 10 OR directory_id = 10)");
        const QString noFailedInsert = QStringLiteral("log:Insert failed");

        QTest::newRow("empty answer clears the folder") << Edit([](CacheFixture &c) {
            // A row known only through its directory_id belongs to the folder too.
            QSqlQuery(c.dao().db()).exec("INSERT INTO files_and_folders(id, name, parent_id, directory_id, is_file) VALUES (8, 'x', 99, 10, 1)");
            c.dao().updateFilesAndFolders({}, {}, 10, DirectoryType::MyDocuments);
        }) << QVariantMap{{folder10, 0}, {all, 1}} << 1;
        QTest::newRow("changed entry leaves its other parents") << Edit([](CacheFixture &c) {
            c.dao().insertFiles(list({portalFile(5, 20, "five.txt")}), DirectoryType::MyDocuments);
            c.dao().updateFilesAndFolders(list({portalFile(5, 10, "changed.txt"), portalFile(6, 10, "six.txt")}),
                                          list({portalFolder(5, 10, "Five")}), 10, DirectoryType::MyDocuments);
        }) << QVariantMap{{all + " WHERE id = 5 AND is_file = 1", 1}, {all + " WHERE id = 5 AND is_file = 0", 1}} << -1;
        QTest::newRow("busy mark cleared by a refresh") << Edit([](CacheFixture &c) {
            c.dao().updateBusyForFile(6, true, DirectoryType::MyDocuments);
            storeMyDocumentsFolder(c.dao());
        }) << QVariantMap{{all + " WHERE busy = 1", 0}, {all, 4}} << -1;
        // A favorite listed elsewhere replaces its row, and loses the mark when the portal drops it.
        QTest::newRow("favorite, then unfavorited on the portal") << Edit([](CacheFixture &c) {
            c.dao().updateFilesAndFolders(list({portalFile(6, 10, "six.txt", {{"IsFavorite", true}})}), {}, 0, DirectoryType::Favorite);
            QCOMPARE(c.count("files_and_folders", "WHERE id = 6"), 1);
            QCOMPARE(c.count("files_and_folders", "WHERE id = 6 AND is_favorite = 1"), 1);
            c.dao().updateFilesAndFolders({}, {}, 0, DirectoryType::Favorite);
        }) << QVariantMap{{all + " WHERE is_favorite = 1", 0}, {all + " WHERE id = 5", 2}, {noFailedInsert, 0}} << 2;
        QTest::newRow("file and folder of one id in a metadirectory") << Edit([](CacheFixture &c) {
            c.dao().updateFilesAndFolders(list({portalFile(3, 1, "three.txt")}), list({portalFolder(3, 1, "Three")}), 1, DirectoryType::Virtual);
        }) << QVariantMap{{"available_documents WHERE id = 3", 1}, {noFailedInsert, 0}} << 1;
        QTest::newRow("whole-table listing drops what is not listed") << Edit([](CacheFixture &c) {
            c.dao().updateFilesAndFolders(list({portalFile(1, 0, "a"), portalFile(2, 0, "b")}), {}, 0, DirectoryType::SharedAccess);
            c.dao().updateFilesAndFolders(list({portalFile(2, 0, "b")}), list({portalFolder(9, 0, "F")}), 0, DirectoryType::SharedAccess);
        }) << QVariantMap{{"shared_access_documents", 2}, {"shared_access_documents WHERE id = 1", 0}} << 2;
        // An empty answer of one kind removes that kind only.
        const auto scoped = [](DirectoryType::RootDirectoryTypes root, Scope scope) {
            return Edit([root, scope](CacheFixture &c) {
                c.dao().updateFilesAndFolders(list({portalFile(5, 10, "five.txt"), portalFile(6, 10, "six.txt")}),
                                              list({portalFolder(7, 10, "Seven")}), 10, root);
                c.dao().updateFilesAndFolders({}, {}, 10, root, scope);
            });
        };
        const auto kinds = [](const QString &table, int files, int folders) {
            return QVariantMap{{table + " AND is_file = 1", files}, {table + " AND is_file = 0", folders}};
        };
        const QString section = QStringLiteral("shared_access_documents WHERE 1");
        QTest::newRow("folders of a folder") << scoped(DirectoryType::MyDocuments, Scope::FoldersOnly) << kinds(folder10, 2, 0) << 2;
        QTest::newRow("files of a folder") << scoped(DirectoryType::MyDocuments, Scope::FilesOnly) << kinds(folder10, 0, 1) << 2;
        QTest::newRow("both kinds of a folder") << scoped(DirectoryType::MyDocuments, Scope::FilesAndFolders) << kinds(folder10, 0, 0) << 2;
        QTest::newRow("folders of a section") << scoped(DirectoryType::SharedAccess, Scope::FoldersOnly) << kinds(section, 2, 0) << 2;
        QTest::newRow("files of a section") << scoped(DirectoryType::SharedAccess, Scope::FilesOnly) << kinds(section, 0, 1) << 2;
        QTest::newRow("nameless entry refuses the whole listing") << Edit([](CacheFixture &c) {
            c.dao().updateFilesAndFolders(list({portalFile(5, 10, "renamed.txt"), QVariantMap{{"Id", 44}, {"DirectoryId", 10}}}), {},
                                          10, DirectoryType::MyDocuments);
        }) << QVariantMap{{all + " WHERE id = 5 AND is_file = 1 AND name = 'five.txt'", 1}, {all, 4}} << -1;
        // Below one row's 26 parameters every write into the temporary table fails.
        QTest::newRow("failed fill keeps the cached rows") << Edit([](CacheFixture &c) {
            c.limitBoundParameters(20);
            c.dao().updateFilesAndFolders({}, list({portalFolder(40, 10, "New")}), 10, DirectoryType::MyDocuments);
        }) << QVariantMap{{all, 4}, {"sqlite_temp_master", 0}} << 1;
        // Toggling inverts the given state, for the files and folders of the id alike.
        QTest::newRow("toggled favorite is removed") << Edit([](CacheFixture &c) { c.dao().toggleFavorite(5, true); })
                                                     << QVariantMap{{all + " WHERE id = 5 AND is_favorite = 0", 2}} << 1;
        QTest::newRow("toggled other is added") << Edit([](CacheFixture &c) { c.dao().toggleFavorite(5, false); })
                                                << QVariantMap{{all + " WHERE id = 5 AND is_favorite = 1", 2}} << 1;
        QTest::newRow("clearing favorites touches files only") << Edit([](CacheFixture &c) {
            QSqlQuery(c.dao().db()).exec(QStringLiteral("UPDATE files_and_folders SET is_favorite = 1"));
            c.dao().clearFavorites();
        }) << QVariantMap{{all + " WHERE is_favorite = 1 - is_file", 4}} << 1;
        QTest::newRow("shared, then not") << Edit([](CacheFixture &c) {
            c.dao().setSharedState(6, true);
            QCOMPARE(c.count("files_and_folders", "WHERE id = 6 AND is_shared = 1"), 1);
            c.dao().setSharedState(6, false);
        }) << QVariantMap{{all + " WHERE id = 6 AND is_shared = 0", 1}} << 2;
        // One entry of the id and kind; the entry of the other kind with the same id stays as it was.
        const auto entry = [](bool isFile, const QString &where) {
            return QStringLiteral("files_and_folders WHERE id = 5 AND is_file = %1 AND %2").arg(int(isFile)).arg(where);
        };
        const QString name = QStringLiteral("name = 'it''s \"new\"; DROP TABLE users'");
        for (bool isFile : {true, false}) {
            const QString kind = isFile ? QStringLiteral("file") : QStringLiteral("folder");
            QTest::addRow("busy mark of a %s", qPrintable(kind)) << Edit([isFile](CacheFixture &c) {
                isFile ? c.dao().updateBusyForFile(5, true, DirectoryType::Trash) : c.dao().updateBusyForFolder(5, true, DirectoryType::Trash);
            }) << QVariantMap{{entry(isFile, "busy = 1"), 1}, {entry(!isFile, "busy = 0"), 1}} << 0;
            QTest::addRow("%s renamed", qPrintable(kind)) << Edit([isFile](CacheFixture &c) {
                const QString name = QStringLiteral("it's \"new\"; DROP TABLE users");
                isFile ? c.dao().renameFile(5, name) : c.dao().renameFolder(5, name);
            }) << QVariantMap{{entry(isFile, name), 1}, {entry(!isFile, name), 0}} << 1;
            QTest::addRow("%s deleted", qPrintable(kind)) << Edit([isFile](CacheFixture &c) {
                isFile ? c.dao().deleteFile(5, DirectoryType::MyDocuments) : c.dao().deleteFolder(5, DirectoryType::MyDocuments);
            }) << QVariantMap{{entry(isFile, "1"), 0}, {entry(!isFile, "1"), 1}} << 1;
        }
        QTest::newRow("cleared cache keeps only passwords") << Edit([](CacheFixture &c) {
            for (DirectoryType::RootDirectoryTypes root :
                 {DirectoryType::Public, DirectoryType::SharedAccess, DirectoryType::Virtual, DirectoryType::LastDocuments})
                c.dao().insertFiles(list({portalFile(1, 0, "x")}), root);
            c.dao().insertUsers(list({{{"Id", 1}}}));
            c.dao().insertRoles(list({{{"Id", 1}}}));
            QVERIFY(c.dao().insertPassword("SSTORE", "secret"));
            c.dao().clearDatabase();
            QCOMPARE(c.dao().getPassword("SSTORE"), QStringLiteral("secret"));
        }) << QVariantMap{{"files_and_folders", 0}, {"shared_documents", 0}, {"shared_access_documents", 0}, {"available_documents", 0},
                          {"last_documents", 0}, {"users", 0}, {"roles", 0}, {"passwords", 1}}
            << 4 + 1 + 1 + 3; // the four listings, the user, the role, and the clearing's one of each kind
        QTest::newRow("empty user and role lists") << Edit([](CacheFixture &c) {
            c.dao().insertUsers({});
            c.dao().insertRoles(QList<QVariant>());
        }) << QVariantMap{{"users", 0}, {"roles", 0}} << 0;
        QTest::newRow("user stored again is replaced whole") << Edit([](CacheFixture &c) {
            c.dao().insertUsers(list({{{"Id", 7}, {"Name", "ivan"}, {"ContactId", 70}, {"Type", 1}, {"Email", "ivan@example.org"}}}));
            c.dao().insertUsers(list({{{"Id", 7}, {"Name", "ivan2"}}}));
            const QVariantMap user = c.dao().retrieveUserById(7);
            QCOMPARE(user.value("name").toString(), QStringLiteral("ivan2"));
            QCOMPARE(user.value("contact_id").toInt(), 0);
            QVERIFY(user.value("email").isNull());
            QVERIFY(c.dao().retrieveUserById(8).isEmpty());
        }) << QVariantMap{{"users", 1}} << 2;
        QTest::newRow("role as an entity") << Edit([](CacheFixture &c) {
            UserOrRoleEntity role;
            role.id = 3;
            role.isGroup = true;
            role.name = QStringLiteral("Accountants");
            c.dao().insertRoles(QList<UserOrRoleEntity>{role});
            QCOMPARE(c.dao().retrieveRoleById(3).value("name").toString(), QStringLiteral("Accountants"));
            QCOMPARE(c.dao().retrieveRoleById(3).value("type").toInt(), 0);
            QVERIFY(c.dao().retrieveRoleById(8).isEmpty());
        }) << QVariantMap{{"roles", 1}} << 1;
        QTest::newRow("failed user insert writes nothing") << Edit([](CacheFixture &c) {
            c.dao().insertUsers(list({{{"Id", 1}, {"Name", "kept"}}}));
            c.limitBoundParameters(6);
            c.dao().insertUsers(list({{{"Id", 1}, {"Name", "changed"}}, {{"Id", 2}, {"Name", "new"}}}));
        }) << QVariantMap{{"users WHERE name = 'kept'", 1}, {"users", 1}} << 2;
        QTest::newRow("failed updates still signal") << Edit([](CacheFixture &c) {
            QSqlQuery(c.dao().db()).exec("DROP TABLE files_and_folders");
            c.dao().renameFile(1, "x");
            c.dao().toggleFavorite(1, false);
            c.dao().deleteFolder(1, DirectoryType::MyDocuments);
        }) << QVariantMap() << 3;
    }

    void edits()
    {
        QFETCH(Edit, edit);
        QFETCH(QVariantMap, counts);
        QFETCH(int, notices);
        storeMyDocumentsFolder(dao());
        LogCapture log;
        QSignalSpy files(&dao(), &DataAccessObject::filesAndFoldersChanged);
        QSignalSpy users(&dao(), &DataAccessObject::usersChanged);
        QSignalSpy roles(&dao(), &DataAccessObject::rolesChanged);
        edit(*m_cache);
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const int count = it.key().startsWith("log:") ? log.count(it.key().mid(4))
                                                          : m_cache->value("SELECT COUNT(*) FROM " + it.key()).toInt();
            QVERIFY2(count == it.value().toInt(), qPrintable(QStringLiteral("%1: %2").arg(it.key()).arg(count)));
        }
        if (notices >= 0)
            QCOMPARE(files.count() + users.count() + roles.count(), notices);
    }

    // SQLite's limit on bound parameters is never exceeded, whatever the size.
    void batches_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("renameAll");
        for (int rows : {1, 38, 39, 1000}) // 38 fill one statement; at 1000 the stale rows' OR-chain is split too
            QTest::addRow("%d entries", rows) << "files_and_folders" << rows << true;
        QTest::newRow("50000 entries") << "files_and_folders" << 50000 << false;
        for (int rows : {142, 143, 1000})
            QTest::addRow("%d users", rows) << "users" << rows << true;
        for (int rows : {333, 334})
            QTest::addRow("%d roles", rows) << "roles" << rows << true;
    }

    void batches()
    {
        QFETCH(QString, table);
        QFETCH(int, rows);
        QFETCH(bool, renameAll);
        m_cache->limitBoundParameters(999);
        LogCapture log;
        QStringList prefixes{"file", "file"};
        if (renameAll)
            prefixes << "renamed";
        for (const QString &prefix : qAsConst(prefixes)) {
            // Users and roles take the ids and names of files.
            const QList<QVariant> objects = portalFiles(rows, 10, prefix);
            if (table == "files_and_folders")
                dao().updateFilesAndFolders(objects, {}, 10, DirectoryType::MyDocuments);
            else
                table == "users" ? dao().insertUsers(objects) : dao().insertRoles(objects);
            QCOMPARE(m_cache->count(table, "WHERE name LIKE ?", {prefix + "-%"}), rows);
            QCOMPARE(m_cache->count(table), rows);
        }
        QCOMPARE(log.messages(QtWarningMsg), QStringList());
        QCOMPARE(log.messages(QtCriticalMsg), QStringList());
    }

    void lookups()
    {
        dao().updateFilesAndFolders({}, list({portalFolder(100, 0, "Мои документы", {{"Type", 16}}),
                                              portalFolder(200, 0, "Корзина", {{"Type", 134217728}})}),
                                    0, DirectoryType::InProject);
        dao().insertFiles(list({portalFile(100, 0, "file with a folder's id")}), DirectoryType::MyDocuments);
        QCOMPARE(dao().retrieveFolderIdByType(DirectoryType::MyDocuments), 100);
        QCOMPARE(dao().retrieveFolderIdByType(DirectoryType::Trash), 200);
        QCOMPARE(dao().retrieveFolderNameById(100), QStringLiteral("Мои документы"));
        QCOMPARE(dao().retrieveParentFolderId(100), 0);

        LogCapture log;
        QCOMPARE(dao().retrieveFolderIdByType(DirectoryType::Favorite), 0);
        QCOMPARE(dao().retrieveParentFolderId(555), 0);
        QVERIFY(dao().retrieveFolderNameById(555).isNull());
        QSqlQuery query = dao().retrieveEntitiesByQuery("SELECT * from files_and_folders WHERE is_file = 0 AND parent_id = 0");
        QVERIFY(query.lastError().text().trimmed().isEmpty());
        QVERIFY(query.next() && query.next() && !query.next());
        QVERIFY(!dao().retrieveEntitiesByQuery("SELECT * FROM no_such_table").lastError().text().isEmpty());
    }

    void foldersPath_data()
    {
        QTest::addColumn<QString>("parents"); // "id:parent" pairs of cached folders
        QTest::addColumn<int>("folder");
        QTest::addColumn<QList<int>>("path");
        QTest::newRow("root folder") << "1:0" << 1 << QList<int>{1};
        QTest::newRow("three levels") << "1:0 2:1 3:2" << 3 << QList<int>{1, 2, 3};
        QTest::newRow("cycle") << "1:3 2:1 3:2" << 3 << QList<int>{1, 2, 3};
        QTest::newRow("self parent") << "4:4" << 4 << QList<int>{4};
        QTest::newRow("missing parent") << "2:9 3:2" << 3 << QList<int>{2, 3};
        // A given start is kept, the rest is read from the cache.
        QTest::newRow("given start") << "1:0 2:1" << -2 << QList<int>{1, 2};
    }

    void foldersPath()
    {
        QFETCH(QString, parents);
        QFETCH(int, folder);
        QFETCH(QList<int>, path);
        QList<QVariant> folders;
        for (const QString &pair : parents.split(' ')) {
            const QStringList ids = pair.split(':');
            folders.append(portalFolder(ids[0].toInt(), ids[1].toInt(), "F" + ids[0]));
        }
        dao().updateFilesAndFolders({}, folders, 0, DirectoryType::InProject);
        QList<QVariant> result;
        if (folder < 0)
            result.append(QVariantMap{{"folderID", -folder}, {"folderName", "F" + QString::number(-folder)}});
        dao().retrieveFoldersPath(qAbs(folder), &result);
        QList<int> ids;
        for (const QVariant &element : result) {
            const QVariantMap map = element.toMap();
            ids.append(map.value("folderID").toInt());
            QCOMPARE(map.value("folderName").toString(), "F" + map.value("folderID").toString());
        }
        QCOMPARE(ids, path);
    }

    void passwords()
    {
        LogCapture log;
        QSignalSpy changed(&dao(), &DataAccessObject::passwordChanged);
        // Refused: an empty name or password, and every call about an empty name.
        QVERIFY(!dao().insertPassword(QString(), "secret") && !dao().insertPassword("SSTORE", QString()) && !dao().removePassword(QString()));
        QCOMPARE(dao().getPassword(QString()) + dao().getPassword("unknown"), QString());
        QCOMPARE(m_cache->count("passwords") + changed.count(), 0);

        QVERIFY(dao().insertPassword("SSTORE", "first-Secret"));
        QVERIFY(dao().insertPassword("SSTORE", "second-Secret"));
        QVERIFY(dao().insertPassword("x'); DELETE FROM passwords; --", "third-Secret"));
        QCOMPARE(dao().getPassword("SSTORE"), QStringLiteral("second-Secret"));
        QCOMPARE(dao().getPassword("x'); DELETE FROM passwords; --"), QStringLiteral("third-Secret"));
        QCOMPARE(m_cache->count("passwords"), 2);
        QVERIFY(dao().removePassword("SSTORE"));
        QCOMPARE(dao().getPassword("SSTORE"), QString());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("SSTORE"));
        QCOMPARE(log.count(QStringLiteral("Secret")), 0);
    }

    // Pool threads mark, read, store users and synchronise while the owner thread synchronises the same
    // listing; every change is signalled on the owner thread.
    void busyMarksWhileListingsSynchronise()
    {
        dao().updateFilesAndFolders(portalFiles(s_files, 10), manyFolders(), 10, DirectoryType::MyDocuments);
        dao().updateFilesAndFolders({}, {portalFolder(10, 1, "Ten")}, 1, DirectoryType::MyDocuments);
        dao().updateFilesAndFolders({}, {portalFolder(1, 0, "Root")}, 0, DirectoryType::MyDocuments);
        QVERIFY(dao().insertPassword("SSTORE", "pw"));
        const auto listingRows = [this] { return m_cache->count("files_and_folders", "WHERE parent_id = 10 OR directory_id = 10"); };
        LogCapture log;
        QThread *main = QThread::currentThread();
        int foreignSignals = 0;
        for (auto signal : {&DataAccessObject::filesAndFoldersChanged, &DataAccessObject::usersChanged})
            connect(&dao(), signal, this, [&] { foreignSignals += QThread::currentThread() != main; }, Qt::DirectConnection);
        QAtomicInt thread;
        QAtomicInt wrongAnswers;
        int lostRows = 0;
        runOnPool(
            s_threads,
            [&] {
                const int index = thread.fetchAndAddOrdered(1);
                dao().insertUsers({QVariantMap{{"Id", index + 1}, {"Name", "user"}}});
                for (int round = 0; round < 20; ++round) {
                    for (int id = index + 1; id <= s_files; id += s_threads) {
                        dao().updateBusyForFile(id, round % 2 == 0, DirectoryType::MyDocuments);
                        dao().updateBusyForFolder(1000 + id % s_folders + 1, true, DirectoryType::MyDocuments);
                    }
                    // Callers that need an answer wait for the owner thread.
                    QList<QVariant> path;
                    dao().retrieveFoldersPath(10, &path);
                    if (dao().getPassword("SSTORE") != QLatin1String("pw") || dao().retrieveFolderNameById(10) != "Ten" || path.size() != 2)
                        wrongAnswers.ref();
                    if (round % 4 == index % 4)
                        dao().updateFilesAndFolders(portalFiles(s_files, 10), manyFolders(), 10, DirectoryType::MyDocuments);
                }
            },
            [&] {
                dao().updateFilesAndFolders(portalFiles(s_files, 10), manyFolders(), 10, DirectoryType::MyDocuments);
                lostRows += listingRows() != s_files + s_folders;
            });
        QCOMPARE(lostRows, 0);
        QCOMPARE(wrongAnswers.loadAcquire(), 0);
        QCOMPARE(foreignSignals, 0);
        QCOMPARE(dao().retrieveUserById(s_threads).value("name").toString(), QStringLiteral("user"));

        // The last marks of each thread arrive in the order they were made.
        thread.storeRelease(0);
        runOnPool(s_threads, [&] {
            for (int id = thread.fetchAndAddOrdered(1) + 1; id <= s_files; id += s_threads) {
                dao().updateBusyForFile(id, false, DirectoryType::MyDocuments);
                dao().updateBusyForFile(id, true, DirectoryType::MyDocuments);
            }
        });
        QCOMPARE(m_cache->count("files_and_folders", "WHERE is_file = 1 AND busy = 1"), s_files);
        QCOMPARE(listingRows(), s_files + s_folders);
        QCOMPARE(log.messages(QtWarningMsg), QStringList());
        QCOMPARE(log.messages(QtCriticalMsg), QStringList());
    }

    void rowsCannotBeReadOnAnotherThread()
    {
        LogCapture log;
        bool hadRows = true;
        QString error;
        runOnPool(1, [&] {
            QSqlQuery query = dao().retrieveEntitiesByQuery("SELECT * FROM files_and_folders");
            hadRows = query.next();
            error = query.lastError().text();
        });
        QVERIFY(!hadRows);
        QVERIFY(!error.trimmed().isEmpty());
        QCOMPARE(log.messages(QtCriticalMsg).size(), 1);
    }

    void unusableFileIsSetAside_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("password");
        QTest::newRow("not a database") << "garbage" << QString();
        QTest::newRow("damaged pages") << "pages" << "container-password";
        QTest::newRow("truncated") << "truncate" << "container-password";
        QTest::newRow("directory in its place") << "directory" << QString();
    }

    void unusableFileIsSetAside()
    {
        QFETCH(QString, damage);
        QFETCH(QString, password);
        QTemporaryDir directory;
        const QString fileName = directory.filePath(DataAccessObject::s_fileName);
        if (damage == "garbage") {
            QVERIFY(TestEnvironment::writeFile(fileName, QByteArray("this is not a database ").repeated(400)));
            QVERIFY(TestEnvironment::writeFile(fileName + "-journal", QByteArray(4096, '\x01')));
        } else if (damage == "directory") {
            QVERIFY(QDir().mkpath(fileName));
        } else {
            writeCache(directory.path());
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const qint64 size = file.size();
            if (damage == "pages")
                QVERIFY(file.seek(size * 4 / 10) && file.write(QByteArray(int(size / 2), '\x5a')) > 0);
            else
                QVERIFY(file.resize(size / 2));
        }

        LogCapture log;
        DataAccessObject cache(directory.path());
        QCOMPARE(log.messages(QtCriticalMsg).filter(QStringLiteral("Database isn't opened: ")).size(), 1);
        QCOMPARE(log.messages(QtFatalMsg), QStringList());
        const QStringList keptAside = QDir(directory.path()).entryList({DataAccessObject::s_fileName + ".corrupt-*"}, QDir::AllEntries);
        QVERIFY(!keptAside.isEmpty());
        QVERIFY(keptAside.first().contains(QRegularExpression("\\.corrupt-\\d{8}-\\d{6}-\\d{3}$")));
        // A journal of the unusable file must never be replayed into the fresh one.
        if (damage == "garbage")
            QVERIFY(QFileInfo(fileName + "-journal").size() != 4096);

        // The fresh cache is complete and usable at once; a later migration run by the pages finds nothing to do.
        QCOMPARE(cache.db().databaseName(), fileName);
        QCOMPARE(cache.getPassword(QStringLiteral("SSTORE")), password);
        log.clear();
        migrate(cache.db());
        QCOMPARE(log.count(QStringLiteral("has been completed")), 0);
        cache.updateFilesAndFolders(portalFiles(5, 10), {}, 10, DirectoryType::MyDocuments);
        QCOMPARE(Database(fileName).column("SELECT COUNT(*) FROM files_and_folders"), QStringList{"5"});
    }

    // A healthy file is kept; so is one that a second process holds, which is no damage.
    void usableFileIsKept_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("healthy") << false;
        QTest::newRow("locked by another process") << true;
    }

    void usableFileIsKept()
    {
        QFETCH(bool, locked);
        QTemporaryDir directory;
        writeCache(directory.path());
        {
            Database other(directory.filePath(DataAccessObject::s_fileName));
            QSqlQuery lock(other.db());
            QVERIFY(!locked || lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            LogCapture log;
            DataAccessObject cache(directory.path());
            QCOMPARE(log.messages(QtCriticalMsg), QStringList());
            QCOMPARE(log.count(QStringLiteral("is in use by another process")), locked ? 1 : 0);
            if (locked)
                QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        }
        QCOMPARE(QDir(directory.path()).entryList({"*.corrupt-*"}, QDir::AllEntries), QStringList());
        DataAccessObject cache(directory.path());
        QCOMPARE(cache.getPassword(QStringLiteral("SSTORE")), QStringLiteral("container-password"));
    }

    // The pages create both objects and hand the cache's handle over.
    void qmlMigratesTheCacheHandle()
    {
        CoreInit::registerTypes();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.12\n"
                          "import com.vellix.VellixOfficeAurora 1.0\n"
                          "QtObject {\n"
                          "    property DataAccessObject dao: DataAccessObject {}\n"
                          "    property Migrations migrations: Migrations {}\n"
                          "    property bool migrated: false\n"
                          "    Component.onCompleted: { migrations.db = dao.db; migrated = migrations.performMigration() }\n"
                          "}\n",
                          QUrl());
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        QVERIFY(root->property("migrated").toBool());
        auto *cache = root->property("dao").value<DataAccessObject *>();
        QVERIFY(cache);
        QSqlQuery query(cache->db());
        QVERIFY(query.exec("SELECT version FROM version_info") && query.next());
        QCOMPARE(query.value(0).toString(), s_lastMigration);
    }

    void migrationFromEachEarlierStep_data()
    {
        QTest::addColumn<int>("applied");
        for (int applied = 0; applied < embeddedMigrations().size(); ++applied)
            QTest::addRow("after %d files", applied) << applied;
    }

    // Every cached row of a table that still exists survives the upgrade.
    void migrationFromEachEarlierStep()
    {
        QFETCH(int, applied);
        Database database(newFile());
        database.migrate(migrationsDirectory(applied));
        QCOMPARE(database.version(), applied == 0 ? QStringLiteral("0") : embeddedMigrations().at(applied - 1));
        const QStringList before = database.tables();
        for (const QString &table : before) {
            if (table == "version_info")
                continue;
            const QMap<QString, QVariant> known{{"id", 7},         {"name", "kept-" + table}, {"description", "d"},
                                                {"password", "secret-" + table}, {"parent_id", 3}, {"directory_id", 3},
                                                {"is_file", 0},    {"email", "e@example.org"}};
            QStringList names;
            for (const QString &column : database.column(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table))) {
                if (known.contains(column))
                    names.append(column);
            }
            QSqlQuery insert(database.db());
            insert.prepare(QStringLiteral("INSERT INTO %1(%2) VALUES (%3)")
                               .arg(table, names.join(','), QString("?,").repeated(names.size()).chopped(1)));
            for (int i = 0; i < names.size(); ++i)
                insert.bindValue(i, known.value(names.at(i)));
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }

        database.migrate();
        QCOMPARE(database.version(), s_lastMigration);
        for (const QString &table : s_cacheTables) {
            const QString source = table == "files_and_folders" && !before.contains(table) ? QStringLiteral("folders") : table;
            QSqlQuery row(database.db());
            QVERIFY(row.exec(QStringLiteral("SELECT * FROM %1").arg(table)));
            QCOMPARE(row.next(), before.contains(source));
            if (!before.contains(source))
                continue;
            QCOMPARE(row.value("id").toInt(), 7);
            QCOMPARE(row.value("name").toString(), "kept-" + source);
            if (table == "passwords")
                QCOMPARE(row.value("password").toString(), "secret-" + source);
            if (row.record().contains("directory_id"))
                QCOMPARE(row.value("directory_id").toInt(), 3);
            if (row.record().contains("busy"))
                QCOMPARE(row.value("busy").toInt(), 0);
            QVERIFY(!row.next());
        }
    }

    // A new cache gets the last version; a second run changes nothing; a blank file only advances the version.
    void migrationRunsThatChangeNothing()
    {
        Database database(newFile());
        database.migrate();
        QCOMPARE(database.version(), s_lastMigration);
        // One stored password per name.
        QCOMPARE(database.column("PRAGMA index_list(passwords)").size(), 1);
        const QString schema = database.schema();
        database.migrate();
        QCOMPARE(database.schema(), schema);
        QCOMPARE(database.version(), s_lastMigration);

        Database blank(newFile());
        blank.migrate(migrationsDirectory(12, {{"20300101-000000-blank.sql", " ;\n\n ;\t;\n"}}));
        QCOMPARE(blank.version(), QStringLiteral("20300101-000000-blank.sql"));
        QCOMPARE(blank.schema(), schema);
    }

    void failedMigrationEndsTheProcess_data()
    {
        QTest::addColumn<int>("applied");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("version");
        const QString third = embeddedMigrations().value(2);
        QTest::newRow("failing statement") << 3 << "CREATE TABLE partial_a (x INTEGER);\nINSERT INTO no_such_table VALUES (1);\n"
                                           << QString() << third;
        QTest::newRow("failing commit")
            << 3
            << "CREATE TABLE partial_a (id INTEGER PRIMARY KEY);\n"
               "CREATE TABLE partial_b (a INTEGER REFERENCES partial_a(id) DEFERRABLE INITIALLY DEFERRED);\n"
               "INSERT INTO partial_b VALUES (7);\n"
            << "--foreign-keys" << third;
        QTest::newRow("version table cannot be created") << 0 << "CREATE TABLE partial_a (x INTEGER);" << "view" << "1";
    }

    void failedMigrationEndsTheProcess()
    {
        QFETCH(int, applied);
        QFETCH(QString, content);
        QFETCH(QString, prepare);
        QFETCH(QString, version);
        const QString fileName = newFile();
        if (prepare == "view")
            QVERIFY(QSqlQuery(Database(fileName).db()).exec("CREATE VIEW version_info AS SELECT 1 AS version"));
        const QString directory = migrationsDirectory(applied, {{"20300101-000000-broken.sql", content}});
        if (applied > 0)
            Database(fileName).migrate(migrationsDirectory(applied));
        QProcess runner;
        QStringList arguments{fileName, directory};
        if (prepare.startsWith("--"))
            arguments.append(prepare);
        runner.start(TestEnvironment::binDirectory() + "/migrationrunner", arguments);
        QVERIFY(runner.waitForFinished(30000));
        QCOMPARE(runner.exitStatus(), QProcess::CrashExit);
        Database database(fileName);
        QCOMPARE(database.version(), version);
        QVERIFY(!database.tables().contains("partial_a"));
        QVERIFY(!database.tables().contains("partial_b"));
    }
};

VELLIX_TEST_MAIN(TestLocalCache, QCoreApplication)
#include "tst_localcache.moc"
