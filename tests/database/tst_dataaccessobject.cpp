#include "cachetestsupport.h"
#include "testenvironment.h"

#include "database/dataaccessobject.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(DirectoryType::RootDirectoryTypes)

namespace {
const QString s_filesAndFolders = QStringLiteral("files_and_folders");

using Edit = std::function<void(DataAccessObject &)>;

QList<QVariant> list(std::initializer_list<QVariantMap> maps)
{
    QList<QVariant> result;
    for (const QVariantMap &map : maps)
        result.append(map);
    return result;
}
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestDataAccessObject : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CacheFixture> m_cache;

    DataAccessObject &dao() { return m_cache->dao(); }
    qlonglong rowid(const QString &table, int id, int isFile)
    {
        return m_cache->value(QStringLiteral("SELECT rowid FROM %1 WHERE id = ? AND is_file = ?").arg(table), {id, isFile})
            .toLongLong();
    }
    // Folder 10 of My documents: folder 5, files 5 and 6; folder 20 holds file 30.
    void storeMyDocumentsFolder()
    {
        dao().updateFilesAndFolders(list({portalFile(5, 10, "five.txt"), portalFile(6, 10, "six.txt")}),
                                    list({portalFolder(5, 10, "Five")}), 10, DirectoryType::MyDocuments);
        dao().updateFilesAndFolders(list({portalFile(30, 20, "other.txt")}), {}, 20, DirectoryType::MyDocuments);
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

    void identicalListingTouchesNoRow()
    {
        storeMyDocumentsFolder();
        const qlonglong before = rowid(s_filesAndFolders, 5, 1);
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        storeMyDocumentsFolder();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(rowid(s_filesAndFolders, 5, 1), before);
        QCOMPARE(m_cache->count(s_filesAndFolders), 4);
    }

    void emptyAnswerClearsTheFolder()
    {
        storeMyDocumentsFolder();
        // A row known only through its directory_id belongs to the folder too.
        QVERIFY(QSqlQuery(dao().db()).exec(QStringLiteral(
            "INSERT INTO files_and_folders(id, name, parent_id, directory_id, is_file) VALUES (8, 'x', 99, 10, 1)")));
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        dao().updateFilesAndFolders({}, {}, 10, DirectoryType::MyDocuments);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE parent_id = 10 OR directory_id = 10"), 0);
        // Other folders keep their rows.
        QCOMPARE(m_cache->count(s_filesAndFolders), 1);
    }

    void renamedFileIsOneDeleteAndOneInsert()
    {
        storeMyDocumentsFolder();
        const qlonglong unchanged = rowid(s_filesAndFolders, 6, 1);
        const qlonglong folder = rowid(s_filesAndFolders, 5, 0);
        dao().updateFilesAndFolders(list({portalFile(5, 10, "renamed.txt"), portalFile(6, 10, "six.txt")}),
                                    list({portalFolder(5, 10, "Five")}), 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->value("SELECT name FROM files_and_folders WHERE id = 5 AND is_file = 1").toString(),
                 QStringLiteral("renamed.txt"));
        QCOMPARE(rowid(s_filesAndFolders, 6, 1), unchanged);
        // The folder with the changed file's id is neither deleted nor re-inserted.
        QCOMPARE(rowid(s_filesAndFolders, 5, 0), folder);
        QCOMPARE(m_cache->count(s_filesAndFolders), 4);
    }

    void changedEntryLeavesItsOtherParents()
    {
        storeMyDocumentsFolder();
        dao().insertFiles(list({portalFile(5, 20, "five.txt")}), DirectoryType::MyDocuments);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE id = 5 AND is_file = 1"), 2);
        dao().updateFilesAndFolders(list({portalFile(5, 10, "changed.txt"), portalFile(6, 10, "six.txt")}),
                                    list({portalFolder(5, 10, "Five")}), 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE id = 5 AND is_file = 1"), 1);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE id = 5 AND is_file = 0"), 1);
    }

    void busyFlagIsClearedOnRefresh()
    {
        storeMyDocumentsFolder();
        dao().updateBusyForFile(6, true, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->value("SELECT busy FROM files_and_folders WHERE id = 6").toInt(), 1);
        storeMyDocumentsFolder();
        QCOMPARE(m_cache->value("SELECT busy FROM files_and_folders WHERE id = 6").toInt(), 0);
        QCOMPARE(m_cache->count(s_filesAndFolders), 4);
    }

    void favoriteListedElsewhereReplacesItsRow()
    {
        storeMyDocumentsFolder();
        LogCapture log;
        const QVariantMap favorite = portalFile(6, 10, "six.txt", {{"IsFavorite", true}});
        dao().updateFilesAndFolders(list({favorite}), {}, 0, DirectoryType::Favorite);
        QCOMPARE(log.count(QStringLiteral("Insert failed")), 0);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE id = 6"), 1);
        QCOMPARE(m_cache->value("SELECT is_favorite FROM files_and_folders WHERE id = 6").toInt(), 1);
        // Unfavorited on the portal: gone from the favorites listing.
        dao().updateFilesAndFolders({}, {}, 0, DirectoryType::Favorite);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE is_favorite = 1"), 0);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE id = 5"), 2);
    }

    void folderAndFileOfOneIdInAMetadirectory()
    {
        LogCapture log;
        dao().updateFilesAndFolders(list({portalFile(3, 1, "three.txt")}), list({portalFolder(3, 1, "Three")}), 1,
                                    DirectoryType::Virtual);
        QCOMPARE(log.count(QStringLiteral("Insert failed")), 0);
        QCOMPARE(m_cache->count("available_documents", "WHERE id = 3"), 1);
    }

    void wholeTableListingDropsWhatIsNotListed()
    {
        dao().updateFilesAndFolders(list({portalFile(1, 0, "a"), portalFile(2, 0, "b")}), {}, 0,
                                    DirectoryType::SharedAccess);
        dao().updateFilesAndFolders(list({portalFile(2, 0, "b")}), list({portalFolder(9, 0, "F")}), 0,
                                    DirectoryType::SharedAccess);
        QCOMPARE(m_cache->count("shared_access_documents"), 2);
        QCOMPARE(m_cache->count("shared_access_documents", "WHERE id = 1"), 0);
    }

    void scopedListingKeepsTheOtherKind_data()
    {
        QTest::addColumn<int>("scope");
        QTest::addColumn<DirectoryType::RootDirectoryTypes>("root");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("folders");
        const auto filesOnly = int(DataAccessObject::ListingScope::FilesOnly);
        const auto foldersOnly = int(DataAccessObject::ListingScope::FoldersOnly);
        const auto both = int(DataAccessObject::ListingScope::FilesAndFolders);
        QTest::newRow("folders of a folder") << foldersOnly << DirectoryType::MyDocuments << s_filesAndFolders << 2 << 0;
        QTest::newRow("files of a folder") << filesOnly << DirectoryType::MyDocuments << s_filesAndFolders << 0 << 1;
        QTest::newRow("both kinds of a folder") << both << DirectoryType::MyDocuments << s_filesAndFolders << 0 << 0;
        QTest::newRow("folders of a section") << foldersOnly << DirectoryType::SharedAccess
                                              << QStringLiteral("shared_access_documents") << 2 << 0;
        QTest::newRow("files of a section") << filesOnly << DirectoryType::SharedAccess
                                            << QStringLiteral("shared_access_documents") << 0 << 1;
    }

    // An empty answer of one kind removes that kind only.
    void scopedListingKeepsTheOtherKind()
    {
        QFETCH(int, scope);
        QFETCH(DirectoryType::RootDirectoryTypes, root);
        QFETCH(QString, table);
        QFETCH(int, files);
        QFETCH(int, folders);
        dao().updateFilesAndFolders(list({portalFile(5, 10, "five.txt"), portalFile(6, 10, "six.txt")}),
                                    list({portalFolder(7, 10, "Seven")}), 10, root);
        dao().updateFilesAndFolders({}, {}, 10, root, DataAccessObject::ListingScope(scope));
        QCOMPARE(m_cache->count(table, "WHERE is_file = 1"), files);
        QCOMPARE(m_cache->count(table, "WHERE is_file = 0"), folders);
    }

    void listingSizes_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("renameAll");
        QTest::newRow("1") << 1 << true;
        QTest::newRow("38, one full statement") << 38 << true;
        QTest::newRow("39, one row more") << 39 << true;
        QTest::newRow("1000, stale OR-chain split too") << 1000 << true;
        QTest::newRow("50000") << 50000 << false;
    }

    void listingSizes()
    {
        QFETCH(int, rows);
        QFETCH(bool, renameAll);
        m_cache->limitBoundParameters(999);
        LogCapture log;
        dao().updateFilesAndFolders(portalFiles(rows, 10), {}, 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->count(s_filesAndFolders), rows);
        dao().updateFilesAndFolders(portalFiles(rows, 10), {}, 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->count(s_filesAndFolders), rows);
        if (renameAll) {
            dao().updateFilesAndFolders(portalFiles(rows, 10, "renamed"), {}, 10, DirectoryType::MyDocuments);
            QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE name LIKE 'renamed-%'"), rows);
            QCOMPARE(m_cache->count(s_filesAndFolders), rows);
        }
        QCOMPARE(log.messagesOf(QtWarningMsg), QStringList());
        QCOMPARE(log.messagesOf(QtCriticalMsg), QStringList());
    }

    void failedFillKeepsTheCachedRows()
    {
        storeMyDocumentsFolder();
        // Below one row's 26 parameters every write into the temporary table fails.
        m_cache->limitBoundParameters(20);
        LogCapture log;
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        dao().updateFilesAndFolders({}, list({portalFolder(40, 10, "New")}), 10, DirectoryType::MyDocuments);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_cache->count(s_filesAndFolders), 4);
        QCOMPARE(m_cache->count("sqlite_temp_master"), 0);
        m_cache->limitBoundParameters(999);
        dao().updateFilesAndFolders({}, list({portalFolder(40, 10, "New")}), 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->count(s_filesAndFolders, "WHERE parent_id = 10"), 1);
    }

    void failedFreshInsertUndoesTheDeletes()
    {
        storeMyDocumentsFolder();
        LogCapture log;
        // A nameless entry cannot be stored: the whole listing is refused.
        dao().updateFilesAndFolders(list({portalFile(5, 10, "renamed.txt"), QVariantMap{{"Id", 44}, {"DirectoryId", 10}}}),
                                    {}, 10, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->value("SELECT name FROM files_and_folders WHERE id = 5 AND is_file = 1").toString(),
                 QStringLiteral("five.txt"));
        QCOMPARE(m_cache->count(s_filesAndFolders), 4);
    }

    void perEntryUpdates_data()
    {
        QTest::addColumn<bool>("isFile");
        QTest::newRow("file") << true;
        QTest::newRow("folder") << false;
    }

    void perEntryUpdates()
    {
        QFETCH(bool, isFile);
        storeMyDocumentsFolder();
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        const QString same = QStringLiteral("FROM files_and_folders WHERE id = 5 AND is_file = %1").arg(int(isFile));
        const QString other = QStringLiteral("FROM files_and_folders WHERE id = 5 AND is_file = %1").arg(int(!isFile));

        isFile ? dao().updateBusyForFile(5, true, DirectoryType::Trash)
               : dao().updateBusyForFolder(5, true, DirectoryType::Trash);
        QCOMPARE(m_cache->value("SELECT busy " + same).toInt(), 1);
        QCOMPARE(m_cache->value("SELECT busy " + other).toInt(), 0);
        QCOMPARE(changed.count(), 0);

        isFile ? dao().renameFile(5, "it's \"new\"; DROP TABLE users")
               : dao().renameFolder(5, "it's \"new\"; DROP TABLE users");
        QCOMPARE(m_cache->value("SELECT name " + same).toString(), QStringLiteral("it's \"new\"; DROP TABLE users"));
        QVERIFY(m_cache->value("SELECT name " + other).toString() != QLatin1String("it's \"new\"; DROP TABLE users"));
        QCOMPARE(changed.count(), 1);

        isFile ? dao().deleteFile(5, DirectoryType::MyDocuments) : dao().deleteFolder(5, DirectoryType::MyDocuments);
        QCOMPARE(m_cache->value("SELECT COUNT(*) " + same).toInt(), 0);
        QCOMPARE(m_cache->value("SELECT COUNT(*) " + other).toInt(), 1);
        QCOMPARE(changed.count(), 2);
    }

    void flagUpdates_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("notices");
        // Toggling inverts the given state, for the files and folders of the id alike.
        QTest::newRow("toggled favorite is removed") << Edit([](DataAccessObject &d) { d.toggleFavorite(5, true); })
                                                     << "WHERE id = 5 AND is_favorite = 0" << 2 << 1;
        QTest::newRow("toggled other is added") << Edit([](DataAccessObject &d) { d.toggleFavorite(5, false); })
                                                << "WHERE id = 5 AND is_favorite = 1" << 2 << 1;
        // Every file unmarked, every folder still marked.
        QTest::newRow("clearing favorites touches files only") << Edit([](DataAccessObject &d) {
            QSqlQuery(d.db()).exec(QStringLiteral("UPDATE files_and_folders SET is_favorite = 1"));
            d.clearFavorites();
        }) << "WHERE is_favorite = 1 - is_file" << 4 << 1;
        QTest::newRow("shared") << Edit([](DataAccessObject &d) { d.setSharedState(6, true); })
                                << "WHERE id = 6 AND is_shared = 1" << 1 << 1;
        QTest::newRow("shared, then not") << Edit([](DataAccessObject &d) {
            d.setSharedState(6, true);
            d.setSharedState(6, false);
        }) << "WHERE id = 6 AND is_shared = 0" << 1 << 2;
    }

    void flagUpdates()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, where);
        QFETCH(int, rows);
        QFETCH(int, notices);
        storeMyDocumentsFolder();
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        edit(dao());
        QCOMPARE(m_cache->count(s_filesAndFolders, where), rows);
        QCOMPARE(changed.count(), notices);
    }

    void failedUpdateStillSignals()
    {
        QVERIFY(QSqlQuery(dao().db()).exec("DROP TABLE files_and_folders"));
        LogCapture log;
        QSignalSpy changed(&dao(), &DataAccessObject::filesAndFoldersChanged);
        dao().renameFile(1, "x");
        dao().toggleFavorite(1, false);
        dao().deleteFolder(1, DirectoryType::MyDocuments);
        QCOMPARE(changed.count(), 3);
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
        int rows = 0;
        while (query.next())
            ++rows;
        QCOMPARE(rows, 2);
        QVERIFY(!dao().retrieveEntitiesByQuery("SELECT * FROM no_such_table").lastError().text().isEmpty());
    }

    void foldersPath_data()
    {
        QTest::addColumn<QString>("parents");
        QTest::addColumn<int>("folder");
        QTest::addColumn<QList<int>>("path");
        // parents: "id:parent" pairs of cached folders
        QTest::newRow("root folder") << "1:0" << 1 << QList<int>{1};
        QTest::newRow("three levels") << "1:0 2:1 3:2" << 3 << QList<int>{1, 2, 3};
        QTest::newRow("cycle") << "1:3 2:1 3:2" << 3 << QList<int>{1, 2, 3};
        QTest::newRow("self parent") << "4:4" << 4 << QList<int>{4};
        QTest::newRow("missing parent") << "2:9 3:2" << 3 << QList<int>{2, 3};
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
        dao().retrieveFoldersPath(folder, &result);
        QList<int> ids;
        for (const QVariant &element : result) {
            const QVariantMap map = element.toMap();
            ids.append(map.value("folderID").toInt());
            QCOMPARE(map.value("folderName").toString(), "F" + map.value("folderID").toString());
        }
        QCOMPARE(ids, path);
    }

    void foldersPathKeepsAGivenStart()
    {
        dao().updateFilesAndFolders({}, list({portalFolder(1, 0, "Root"), portalFolder(2, 1, "Sub")}), 0,
                                    DirectoryType::InProject);
        QList<QVariant> path{QVariantMap{{"folderID", 2}, {"folderName", "given"}}};
        dao().retrieveFoldersPath(2, &path);
        QCOMPARE(path.size(), 2);
        QCOMPARE(path.first().toMap().value("folderName").toString(), QStringLiteral("Root"));
        QCOMPARE(path.last().toMap().value("folderName").toString(), QStringLiteral("given"));
    }

    void usersAndRoles()
    {
        QSignalSpy users(&dao(), &DataAccessObject::usersChanged);
        QSignalSpy roles(&dao(), &DataAccessObject::rolesChanged);
        dao().insertUsers({});
        dao().insertRoles(QList<QVariant>());
        QCOMPARE(users.count() + roles.count(), 0);

        dao().insertUsers(list({{{"Id", 7}, {"Name", "ivan"}, {"ContactId", 70}, {"Type", 1}, {"FirstName", "Ivan"},
                                 {"Surname", "Petrov"}, {"Email", "ivan@example.org"}}}));
        dao().insertUsers(list({{{"Id", 7}, {"Name", "ivan2"}}}));
        QCOMPARE(users.count(), 2);
        QCOMPARE(m_cache->count("users"), 1);
        const QVariantMap user = dao().retrieveUserById(7);
        QCOMPARE(user.value("name").toString(), QStringLiteral("ivan2"));
        QCOMPARE(user.value("contact_id").toInt(), 0);
        QVERIFY(user.value("email").isNull());

        UserOrRoleEntity role;
        role.id = 3;
        role.isGroup = true;
        role.name = QStringLiteral("Accountants");
        dao().insertRoles(QList<UserOrRoleEntity>{role});
        QCOMPARE(roles.count(), 1);
        const QVariantMap stored = dao().retrieveRoleById(3);
        QCOMPARE(stored.value("name").toString(), QStringLiteral("Accountants"));
        QCOMPARE(stored.value("type").toInt(), 0);

        LogCapture log;
        QVERIFY(dao().retrieveUserById(8).isEmpty());
        QVERIFY(dao().retrieveRoleById(8).isEmpty());
    }

    void usersAndRolesInBatches_data()
    {
        QTest::addColumn<bool>("roles");
        QTest::addColumn<int>("rows");
        QTest::newRow("142 users") << false << 142;
        QTest::newRow("143 users") << false << 143;
        QTest::newRow("1000 users") << false << 1000;
        QTest::newRow("333 roles") << true << 333;
        QTest::newRow("334 roles") << true << 334;
    }

    void usersAndRolesInBatches()
    {
        QFETCH(bool, roles);
        QFETCH(int, rows);
        m_cache->limitBoundParameters(999);
        QList<QVariant> objects;
        for (int id = 1; id <= rows; ++id)
            objects.append(QVariantMap{{"Id", id}, {"Name", QString::number(id)}});
        roles ? dao().insertRoles(objects) : dao().insertUsers(objects);
        QCOMPARE(m_cache->count(roles ? "roles" : "users"), rows);
    }

    void failedUserInsertWritesNothing()
    {
        dao().insertUsers(list({{{"Id", 1}, {"Name", "kept"}}}));
        m_cache->limitBoundParameters(6);
        LogCapture log;
        QSignalSpy users(&dao(), &DataAccessObject::usersChanged);
        dao().insertUsers(list({{{"Id", 1}, {"Name", "changed"}}, {{"Id", 2}, {"Name", "new"}}}));
        QCOMPARE(users.count(), 1);
        QCOMPARE(m_cache->value("SELECT name FROM users WHERE id = 1").toString(), QStringLiteral("kept"));
        QCOMPARE(m_cache->count("users"), 1);
    }

    void clearDatabaseKeepsOnlyPasswords()
    {
        storeMyDocumentsFolder();
        for (DirectoryType::RootDirectoryTypes root : {DirectoryType::Public, DirectoryType::SharedAccess,
                                                       DirectoryType::Virtual, DirectoryType::LastDocuments})
            dao().insertFiles(list({portalFile(1, 0, "x")}), root);
        dao().insertUsers(list({{{"Id", 1}}}));
        dao().insertRoles(list({{{"Id", 1}}}));
        QVERIFY(dao().insertPassword("SSTORE", "secret"));
        QSignalSpy files(&dao(), &DataAccessObject::filesAndFoldersChanged);
        QSignalSpy users(&dao(), &DataAccessObject::usersChanged);
        QSignalSpy roles(&dao(), &DataAccessObject::rolesChanged);
        dao().clearDatabase();
        for (const char *table : {"files_and_folders", "shared_documents", "shared_access_documents",
                                  "available_documents", "last_documents", "users", "roles"})
            QCOMPARE(m_cache->count(table), 0);
        QCOMPARE(dao().getPassword("SSTORE"), QStringLiteral("secret"));
        QCOMPARE(files.count(), 1);
        QCOMPARE(users.count(), 1);
        QCOMPARE(roles.count(), 1);
    }

    void passwords()
    {
        LogCapture log;
        QSignalSpy changed(&dao(), &DataAccessObject::passwordChanged);
        QVERIFY(dao().insertPassword("SSTORE", "first-Secret"));
        QVERIFY(dao().insertPassword("SSTORE", "second-Secret"));
        QVERIFY(dao().insertPassword("x'); DELETE FROM passwords; --", "third-Secret"));
        QCOMPARE(dao().getPassword("SSTORE"), QStringLiteral("second-Secret"));
        QCOMPARE(dao().getPassword("x'); DELETE FROM passwords; --"), QStringLiteral("third-Secret"));
        QCOMPARE(m_cache->count("passwords"), 2);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("SSTORE"));

        QVERIFY(dao().removePassword("SSTORE"));
        QCOMPARE(dao().getPassword("SSTORE"), QString());
        QCOMPARE(changed.count(), 4);
        QCOMPARE(log.count(QStringLiteral("Secret")), 0);
    }

    void refusedPasswords_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::newRow("empty name") << QString() << "secret";
        QTest::newRow("empty password") << "SSTORE" << QString();
    }

    void refusedPasswords()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QSignalSpy changed(&dao(), &DataAccessObject::passwordChanged);
        QVERIFY(!dao().insertPassword(name, password));
        QVERIFY(!dao().removePassword(QString()));
        QCOMPARE(dao().getPassword(QString()), QString());
        QCOMPARE(dao().getPassword("unknown"), QString());
        QCOMPARE(m_cache->count("passwords"), 0);
        QCOMPARE(changed.count(), 0);
    }
};

VELLIX_TEST_MAIN(TestDataAccessObject, QCoreApplication)
#include "tst_dataaccessobject.moc"
