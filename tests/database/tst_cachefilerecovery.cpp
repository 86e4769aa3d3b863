#include "cachetestsupport.h"
#include "testenvironment.h"

#include "database/dataaccessobject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

class TestCacheFileRecovery : public QObject
{
    Q_OBJECT

private:
    // A cache with a saved password and enough listing rows to span many pages.
    static void writeCache(const QString &directory)
    {
        DataAccessObject cache(directory);
        migrate(cache.db());
        QVERIFY(cache.insertPassword(QStringLiteral("SSTORE"), QStringLiteral("container-password")));
        cache.updateFilesAndFolders(portalFiles(3000, 10), {}, 10, DirectoryType::MyDocuments);
    }

    static void overwrite(const QString &fileName, double from, double to)
    {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 size = file.size();
        file.seek(qint64(size * from));
        file.write(QByteArray(int(size * (to - from)), '\x5a'));
    }

private slots:
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
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("this is not a database ").repeated(400));
            QFile journal(fileName + "-journal");
            QVERIFY(journal.open(QIODevice::WriteOnly));
            journal.write(QByteArray(4096, '\x01'));
        } else if (damage == "directory") {
            QVERIFY(QDir().mkpath(fileName));
        } else {
            writeCache(directory.path());
            if (damage == "pages")
                overwrite(fileName, 0.4, 0.9);
            else
                QVERIFY(QFile::resize(fileName, QFileInfo(fileName).size() / 2));
        }

        LogCapture log;
        DataAccessObject cache(directory.path());
        QCOMPARE(log.messagesOf(QtCriticalMsg).filter(QStringLiteral("Database isn't opened: ")).size(), 1);
        QCOMPARE(log.messagesOf(QtFatalMsg), QStringList());

        const QStringList keptAside =
            QDir(directory.path()).entryList({DataAccessObject::s_fileName + ".corrupt-*"}, QDir::AllEntries);
        QVERIFY(!keptAside.isEmpty());
        QVERIFY(keptAside.first().contains(QRegularExpression("\\.corrupt-\\d{8}-\\d{6}-\\d{3}$")));
        // A journal of the unusable file must never be replayed into the fresh one.
        if (damage == "garbage")
            QVERIFY(QFileInfo(fileName + "-journal").size() != 4096);

        // The fresh cache is complete and usable at once; a later migration run
        // by the pages finds nothing to do.
        QCOMPARE(cache.db().databaseName(), fileName);
        QCOMPARE(cache.getPassword(QStringLiteral("SSTORE")), password);
        log.clear();
        migrate(cache.db());
        QCOMPARE(log.count(QStringLiteral("has been completed")), 0);
        cache.updateFilesAndFolders(portalFiles(5, 10), {}, 10, DirectoryType::MyDocuments);
        QSqlQuery query(cache.db());
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM files_and_folders")) && query.next());
        QCOMPARE(query.value(0).toInt(), 5);
    }

    // A second process holding the file is not damage: the cache stays as it is.
    void lockedFileIsKept()
    {
        QTemporaryDir directory;
        writeCache(directory.path());
        const QString lockConnection = QStringLiteral("other-process");
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lockConnection);
            other.setDatabaseName(directory.filePath(DataAccessObject::s_fileName));
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            LogCapture log;
            {
                DataAccessObject cache(directory.path());
                QCOMPARE(log.messagesOf(QtCriticalMsg), QStringList());
                QCOMPARE(log.count(QStringLiteral("is in use by another process")), 1);
            }
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            other.close();
        }
        QSqlDatabase::removeDatabase(lockConnection);
        QCOMPARE(QDir(directory.path()).entryList({"*.corrupt-*"}, QDir::AllEntries), QStringList());
        DataAccessObject cache(directory.path());
        QCOMPARE(cache.getPassword(QStringLiteral("SSTORE")), QStringLiteral("container-password"));
    }

    void healthyFileIsKept()
    {
        QTemporaryDir directory;
        writeCache(directory.path());
        LogCapture log;
        DataAccessObject cache(directory.path());
        QCOMPARE(log.messagesOf(QtCriticalMsg), QStringList());
        QCOMPARE(cache.getPassword(QStringLiteral("SSTORE")), QStringLiteral("container-password"));
        QCOMPARE(QDir(directory.path()).entryList({"*.corrupt-*"}, QDir::AllEntries), QStringList());
    }
};

VELLIX_TEST_MAIN(TestCacheFileRecovery, QCoreApplication)
#include "tst_cachefilerecovery.moc"
