#include "testenvironment.h"

#include "app/coreinit.h"
#include "database/folderelemententity.h"
#include "database/sharedlink.h"
#include "database/userorroleentity.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

// Carries the records through a queued connection, as workers do.
class RecordSender : public QObject
{
    Q_OBJECT
signals:
    void entities(const QList<FolderElementEntity> &list);
    void users(const QList<UserOrRoleEntity> &list);
    void links(const QList<SharedLink> &list);
};

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { CoreInit::registerTypes(); }

    void folderElementEquality_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("equal");
        QTest::newRow("size") << "size" << true;
        QTest::newRow("owner") << "ownerId" << true;
        QTest::newRow("kind") << "isFile" << true;
        QTest::newRow("type") << "type" << true;
        QTest::newRow("path") << "path" << true;
        QTest::newRow("id") << "id" << false;
        QTest::newRow("name") << "name" << false;
        QTest::newRow("timestamp") << "timestamp" << false;
        QTest::newRow("favorite") << "isFavorite" << false;
        QTest::newRow("busy") << "busy" << false;
        QTest::newRow("selected") << "selected" << false;
        QTest::newRow("shared") << "isShared" << false;
    }

    void folderElementEquality()
    {
        QFETCH(QString, field);
        QFETCH(bool, equal);
        FolderElementEntity a;
        a.id = 4;
        a.name = QStringLiteral("a.txt");
        a.timestamp = QDateTime(QDate(2024, 1, 1), QTime(10, 0));
        FolderElementEntity b = a;
        if (field == "size") b.size = 99;
        if (field == "ownerId") b.ownerId = 99;
        if (field == "isFile") b.isFile = true;
        if (field == "type") b.type = 99;
        if (field == "path") { b.pathIds = {1}; b.pathNames = QStringList{"x"}; }
        if (field == "id") b.id = 5;
        if (field == "name") b.name = "b.txt";
        if (field == "timestamp") b.timestamp = a.timestamp.addSecs(1);
        if (field == "isFavorite") b.isFavorite = true;
        if (field == "busy") b.busy = true;
        if (field == "selected") b.selected = true;
        if (field == "isShared") b.isShared = true;
        QCOMPARE(a == b, equal);
        QCOMPARE(a != b, !equal);
    }

    void userOrRoleEquality()
    {
        UserOrRoleEntity a;
        a.id = 3;
        a.name = "x";
        UserOrRoleEntity b;
        b.id = 3;
        b.access = 2;
        b.selected = true;
        QVERIFY(a == b);
        b.isGroup = true;
        QVERIFY(a != b);
    }

    void recordsCrossThreads()
    {
        RecordSender sender;
        QObject receiver;
        QList<FolderElementEntity> entities;
        QList<UserOrRoleEntity> users;
        QList<SharedLink> links;
        connect(&sender, &RecordSender::entities, &receiver, [&](const QList<FolderElementEntity> &l) { entities = l; }, Qt::QueuedConnection);
        connect(&sender, &RecordSender::users, &receiver, [&](const QList<UserOrRoleEntity> &l) { users = l; }, Qt::QueuedConnection);
        connect(&sender, &RecordSender::links, &receiver, [&](const QList<SharedLink> &l) { links = l; }, Qt::QueuedConnection);
        FolderElementEntity entity;
        entity.pathNames = QStringList{"a", "b"};
        UserOrRoleEntity user;
        user.name = "u";
        SharedLink link;
        link.uid = "uid";
        emit sender.entities({entity});
        emit sender.users({user});
        emit sender.links({link});
        QTRY_COMPARE(links.size(), 1);
        QCOMPARE(entities.value(0).pathNames, QStringList({"a", "b"}));
        QCOMPARE(users.value(0).name, QStringLiteral("u"));
        QCOMPARE(links.value(0).uid, QStringLiteral("uid"));
        QVERIFY(QMetaType::type("FolderElementEntity") != QMetaType::UnknownType);
        QCOMPARE(QVariant::fromValue(entity).value<FolderElementEntity>().pathNames, entity.pathNames);
    }
};

VELLIX_TEST_MAIN(TestRecords, QCoreApplication)
#include "tst_records.moc"
