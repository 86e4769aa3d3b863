#include "cachetestsupport.h"
#include "testenvironment.h"

#include "app/coreinit.h"
#include "database/dataaccessobject.h"
#include "database/migrations.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

const QString s_lastFile = QStringLiteral("20220913-190000-create-metafolders-tables.sql");
const QStringList s_cacheTables = {"files_and_folders", "passwords",         "users",
                                   "shared_documents",  "available_documents", "last_documents",
                                   "roles",             "shared_access_documents"};

QStringList embeddedFiles()
{
    return QDir(Migrations::s_embeddedDirectory).entryList(QDir::Files);
}

// One connection of the test's own to a database file.
class Database
{
public:
    explicit Database(const QString &fileName)
        : m_name(QStringLiteral("migration-test-%1").arg(++s_serial))
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
    QStringList tables() const
    {
        return column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    }
    void migrate(const QString &directory = Migrations::s_embeddedDirectory) const
    {
        Migrations migrations(directory);
        migrations.setDb(m_db);
        QVERIFY(migrations.performMigration());
    }

private:
    static int s_serial;
    QString m_name;
    QSqlDatabase m_db;
};
int Database::s_serial = 0;

} // namespace

class TestMigrations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString newFile() { return m_dir.filePath(QStringLiteral("cache-%1.sqlite").arg(++m_serial)); }
    // A migrations directory with the first count embedded files and extra ones.
    QString migrationsDirectory(int count, const QMap<QString, QString> &extra = {})
    {
        const QString path = m_dir.filePath(QStringLiteral("migrations-%1").arg(++m_serial));
        QDir().mkpath(path);
        const QStringList files = embeddedFiles().mid(0, count);
        for (const QString &file : files)
            QFile::copy(Migrations::s_embeddedDirectory + file, path + '/' + file);
        for (auto it = extra.cbegin(); it != extra.cend(); ++it) {
            QFile file(path + '/' + it.key());
            file.open(QIODevice::WriteOnly);
            file.write(it.value().toUtf8());
        }
        return path;
    }
    QString schema(const Database &database) const
    {
        return database.column(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name")).join('\n');
    }

private slots:
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
        QCOMPARE(query.value(0).toString(), s_lastFile);
    }

    void fromEachEarlierStep_data()
    {
        QTest::addColumn<int>("applied");
        for (int applied = 0; applied < embeddedFiles().size(); ++applied)
            QTest::addRow("after %d files", applied) << applied;
    }

    // Every cached row of a table that still exists survives the upgrade.
    void fromEachEarlierStep()
    {
        QFETCH(int, applied);
        Database database(newFile());
        database.migrate(migrationsDirectory(applied));
        QCOMPARE(database.version(), applied == 0 ? QStringLiteral("0") : embeddedFiles().at(applied - 1));
        const QStringList before = database.tables();
        for (const QString &table : before) {
            if (table == "version_info")
                continue;
            QStringList names;
            QVariantList values;
            QSqlQuery columns(database.db());
            columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
            while (columns.next()) {
                const QString column = columns.value("name").toString();
                const QMap<QString, QVariant> known{{"id", 7},          {"name", "kept-" + table},
                                                    {"description", "d"}, {"password", "secret-" + table},
                                                    {"parent_id", 3},     {"directory_id", 3},
                                                    {"is_file", 0},       {"email", "e@example.org"}};
                if (!known.contains(column))
                    continue;
                names.append(column);
                values.append(known.value(column));
            }
            QSqlQuery insert(database.db());
            insert.prepare(QStringLiteral("INSERT INTO %1(%2) VALUES (%3)")
                               .arg(table, names.join(','), QString("?,").repeated(names.size()).chopped(1)));
            for (int i = 0; i < values.size(); ++i)
                insert.bindValue(i, values.at(i));
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }

        database.migrate();
        QCOMPARE(database.version(), s_lastFile);
        for (const QString &table : s_cacheTables) {
            QString source = table;
            if (table == "files_and_folders" && !before.contains(table))
                source = "folders";
            const bool kept = before.contains(source);
            QSqlQuery row(database.db());
            QVERIFY(row.exec(QStringLiteral("SELECT * FROM %1").arg(table)));
            QCOMPARE(row.next(), kept);
            if (!kept)
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

    // A new cache gets the last version; a second run changes nothing.
    void secondRunChangesNothing()
    {
        Database database(newFile());
        database.migrate();
        QCOMPARE(database.version(), s_lastFile);
        // One stored password per name.
        QCOMPARE(database.column("PRAGMA index_list(passwords)").size(), 1);
        const QString first = schema(database);
        database.migrate();
        QCOMPARE(schema(database), first);
        QCOMPARE(database.version(), s_lastFile);
    }

    void blankFileAdvancesTheVersion()
    {
        Database reference(newFile());
        reference.migrate();
        Database database(newFile());
        database.migrate(migrationsDirectory(12, {{"20300101-000000-blank.sql", " ;\n\n ;\t;\n"}}));
        QCOMPARE(database.version(), QStringLiteral("20300101-000000-blank.sql"));
        QCOMPARE(schema(database), schema(reference));
    }

    void failuresEndTheProcess_data()
    {
        QTest::addColumn<int>("applied");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("version");
        const QString third = embeddedFiles().value(2);
        QTest::newRow("failing statement")
            << 3 << "20300101-000000-broken.sql"
            << "CREATE TABLE partial_a (x INTEGER);\nINSERT INTO no_such_table VALUES (1);\n" << QString()
            << third;
        QTest::newRow("failing commit")
            << 3 << "20300101-000000-deferred.sql"
            << "CREATE TABLE partial_a (id INTEGER PRIMARY KEY);\n"
               "CREATE TABLE partial_b (a INTEGER REFERENCES partial_a(id) DEFERRABLE INITIALLY DEFERRED);\n"
               "INSERT INTO partial_b VALUES (7);\n"
            << "--foreign-keys"
            << third;
        QTest::newRow("version table cannot be created")
            << 0 << "20300101-000000-any.sql" << "CREATE TABLE partial_a (x INTEGER);" << "view"
            << "1";
    }

    void failuresEndTheProcess()
    {
        QFETCH(int, applied);
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(QString, prepare);
        QFETCH(QString, version);
        const QString fileName = newFile();
        if (prepare == "view") {
            Database database(fileName);
            QVERIFY(QSqlQuery(database.db()).exec("CREATE VIEW version_info AS SELECT 1 AS version"));
        }
        const QString directory = migrationsDirectory(applied, {{file, content}});
        if (applied > 0) {
            Database database(fileName);
            database.migrate(migrationsDirectory(applied));
        }
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

VELLIX_TEST_MAIN(TestMigrations, QCoreApplication)
#include "tst_migrations.moc"
