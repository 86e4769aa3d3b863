#include "database/dataaccessobject.h"
#include "database/migrations.h"
#include "testenvironment.h"
#include "workers/getfoldersworker.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

QVariantMap folder(int id, const QList<QVariant> &children = {}, const QVariant &owner = QVariant())
{
    QVariantMap object{{QStringLiteral("Id"), id}, {QStringLiteral("Name"), QStringLiteral("folder %1").arg(id)}};
    if (!children.isEmpty())
        object.insert(QStringLiteral("Children"), children);
    if (owner.isValid())
        object.insert(QStringLiteral("OwnerId"), owner);
    return object;
}

QList<int> idsOf(const QList<QVariant> &folders)
{
    QList<int> ids;
    for (const QVariant &object : folders)
        ids.append(object.toMap().value(QStringLiteral("Id")).toInt());
    return ids;
}

} // namespace

// Folder trees and owner ids as a load collects them; no portal involved.
class TestFolderFlattening : public QObject
{
    Q_OBJECT

    QTemporaryDir m_directory;
    std::unique_ptr<DataAccessObject> m_dao;

    // The portal may answer with any number of sub-folders and any depth;
    // flattening must not need a stack that grows with either. A thread
    // with a small stack makes a growing one fail at once.
    static QList<QVariant> descendantsOnSmallStack(const QList<QVariant> &tree)
    {
        QList<QVariant> descendants;
        std::unique_ptr<QThread> thread(QThread::create(
            [&] { AbstractLoadEntriesWorker::fillFoldersChildren(tree.size() - 1, tree, &descendants); }));
        thread->setStackSize(256 * 1024);
        thread->start();
        thread->wait();
        return descendants;
    }

private slots:
    void initTestCase()
    {
        m_dao = std::make_unique<DataAccessObject>(m_directory.path());
        Migrations migrations;
        migrations.setDb(m_dao->db());
        migrations.performMigration();
        m_dao->insertUsers({QVariantMap{{QStringLiteral("Id"), 7}, {QStringLiteral("Name"), QStringLiteral("Known")}}});
    }

    void threeLevels()
    {
        // 1 ─ 11 ─ 111, 112
        //   └ 12
        // 2 ─ 21 ─ 211 ─ 2111
        // 3
        const QList<QVariant> tree{
            folder(1, {folder(11, {folder(111), folder(112)}), folder(12)}),
            folder(2, {folder(21, {folder(211, {folder(2111)})})}),
            folder(3),
        };
        GetFoldersWorker worker(m_dao.get());
        worker.addFolders(tree);
        // Top level, then child lists: siblings from last to first, a list
        // before the lists below it.
        QCOMPARE(idsOf(worker.folders()), (QList<int>{1, 2, 3, 21, 211, 2111, 11, 12, 111, 112}));
    }

    void childrenThatAreNotAList_data()
    {
        QTest::addColumn<QVariant>("children");
        QTest::newRow("null") << QVariant::fromValue(nullptr);
        QTest::newRow("empty list") << QVariant(QVariantList());
        QTest::newRow("text") << QVariant(QStringLiteral("none"));
    }

    void childrenThatAreNotAList()
    {
        QFETCH(QVariant, children);
        QVariantMap object = folder(1);
        object.insert(QStringLiteral("Children"), children);
        GetFoldersWorker worker(m_dao.get());
        worker.addFolders({object, folder(2, {folder(21)})});
        QCOMPARE(idsOf(worker.folders()), (QList<int>{1, 2, 21}));
    }

    void manySiblings()
    {
        const int count = 50000;
        QList<QVariant> children;
        children.reserve(count);
        for (int i = 0; i < count; ++i)
            children.append(folder(100000 + i, {folder(200000 + i)}));
        const QList<QVariant> tree{folder(1, children)};

        const QList<int> ids = idsOf(descendantsOnSmallStack(tree));
        QCOMPARE(ids.size(), 2 * count);
        QCOMPARE(ids.at(0), 100000);
        QCOMPARE(ids.at(count - 1), 100000 + count - 1);
        // Grandchildren lists follow, from the last sibling to the first.
        QCOMPARE(ids.at(count), 200000 + count - 1);
        QCOMPARE(ids.last(), 200000);
    }

    void deepChain()
    {
        const int depth = 3000;
        QVariantMap node = folder(depth);
        for (int level = depth - 1; level >= 1; --level)
            node = folder(level, {node});

        QList<int> expected;
        for (int level = 2; level <= depth; ++level)
            expected.append(level);
        QCOMPARE(idsOf(descendantsOnSmallStack({node})), expected);
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
        GetFoldersWorker worker(m_dao.get());
        worker.addFolders({folder(1, {}, owner), folder(2, {folder(3, {}, owner)})});
        QCOMPARE(worker.ownerIds(), collected ? QList<QVariant>{owner.toInt()} : QList<QVariant>());
    }

    void ownerIdsOnlyGrow()
    {
        GetFoldersWorker worker(m_dao.get());
        worker.addFolders({folder(1, {}, 5)});
        worker.addDocuments({folder(10, {}, 6), folder(11, {}, 5)});
        worker.addFolders({folder(2, {}, 8)});
        QCOMPARE(worker.ownerIds(), (QList<QVariant>{5, 6, 8}));
        QCOMPARE(idsOf(worker.folders()), QList<int>{2});
        QCOMPARE(idsOf(worker.documents()), (QList<int>{10, 11}));
    }
};

VELLIX_TEST_MAIN(TestFolderFlattening, QCoreApplication)
#include "tst_loadingworkers_flattening.moc"
