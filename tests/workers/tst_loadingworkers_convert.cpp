#include "database/dataaccessobject.h"
#include "database/migrations.h"
#include "testenvironment.h"
#include "workers/sqltoentitiesconvertworker.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QList<FolderElementEntity> entitiesOf(const QSignalSpy &spy)
{
    return spy.first().first().value<QList<FolderElementEntity>>();
}

} // namespace

class TestSqlToEntitiesConvertWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_directory;
    std::unique_ptr<DataAccessObject> m_dao;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<FolderElementEntity>>();
        m_dao = std::make_unique<DataAccessObject>(m_directory.path());
        Migrations migrations;
        migrations.setDb(m_dao->db());
        migrations.performMigration();

        // Columns a folder or a file does not use hold values on purpose.
        QSqlQuery query(m_dao->db());
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO files_and_folders(id, owner_id, name, directory_id, parent_id, timestamp, type, is_favorite, "
            "size, is_file, busy, is_shared) VALUES "
            "(7, 3, 'Folder', 1, 1, '2024-03-01T10:15:30Z', 16, 1, 4096, 0, 1, 1), "
            "(8, 4, 'File.docx', 1, 1, '2024-03-02T08:00:00', 5, 1, 2048, 1, 0, 0)")));
    }

    void foldersAndFiles()
    {
        SqlToEntitiesConvertWorker worker;
        QSignalSpy complete(&worker, &SqlToEntitiesConvertWorker::entitiesComplete);
        worker.convert(m_dao.get(), QStringLiteral("SELECT * FROM files_and_folders ORDER BY id"));
        // Synchronous: the rows are there when convert returns.
        QCOMPARE(complete.count(), 1);
        const QList<FolderElementEntity> entities = entitiesOf(complete);
        QCOMPARE(entities.size(), 2);

        const FolderElementEntity &folder = entities.at(0);
        QCOMPARE(folder.id, 7);
        QCOMPARE(folder.name, QStringLiteral("Folder"));
        QCOMPARE(folder.ownerId, 3);
        QCOMPARE(folder.isFile, false);
        QCOMPARE(folder.type, 16);
        QCOMPARE(folder.size, -1);
        QCOMPARE(folder.isFavorite, false);
        QCOMPARE(folder.busy, true);
        QCOMPARE(folder.isShared, true);
        QCOMPARE(folder.timestamp, QDateTime(QDate(2024, 3, 1), QTime(10, 15, 30), Qt::UTC));

        const FolderElementEntity &file = entities.at(1);
        QCOMPARE(file.id, 8);
        QCOMPARE(file.isFile, true);
        QCOMPARE(file.type, -1);
        QCOMPARE(file.size, 2048);
        QCOMPARE(file.isFavorite, true);
        QCOMPARE(file.busy, false);
        QCOMPARE(file.timestamp, QDateTime(QDate(2024, 3, 2), QTime(8, 0)));
        QVERIFY(file.pathIds.isEmpty());
    }

    void noCache()
    {
        SqlToEntitiesConvertWorker worker;
        QSignalSpy complete(&worker, &SqlToEntitiesConvertWorker::entitiesComplete);
        QTest::ignoreMessage(QtWarningMsg, "Error convert folders: DAO is null");
        worker.convert(nullptr, QStringLiteral("SELECT * FROM files_and_folders"));
        QCOMPARE(complete.count(), 1);
        QVERIFY(entitiesOf(complete).isEmpty());
    }

    void brokenQuery()
    {
        SqlToEntitiesConvertWorker worker;
        QSignalSpy complete(&worker, &SqlToEntitiesConvertWorker::entitiesComplete);
        QTest::ignoreMessage(QtWarningMsg, "Get entities from DAO failed");
        worker.convert(m_dao.get(), QStringLiteral("SELECT * FROM no_such_table"));
        QCOMPARE(complete.count(), 1);
        QVERIFY(entitiesOf(complete).isEmpty());
    }
};

VELLIX_TEST_MAIN(TestSqlToEntitiesConvertWorker, QCoreApplication)
#include "tst_loadingworkers_convert.moc"
