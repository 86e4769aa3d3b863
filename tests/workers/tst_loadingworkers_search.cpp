#include "loadingfixture.h"
#include "testenvironment.h"
#include "workers/searchfoldersandfilesworker.h"

#include <QCoreApplication>
#include <QtTest>

namespace {

QList<int> idsOf(const QList<FolderElementEntity> &entities)
{
    QList<int> ids;
    for (const FolderElementEntity &entity : entities)
        ids.append(entity.id);
    return ids;
}

QList<FolderElementEntity> resultOf(const QSignalSpy &spy)
{
    return spy.first().first().value<QList<FolderElementEntity>>();
}

} // namespace

class TestSearchFoldersAndFilesWorker : public QObject
{
    Q_OBJECT

    LoadingFixture m_fixture;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<FolderElementEntity>>();
        QVERIFY(m_fixture.start());
    }

    void init() { QVERIFY(m_fixture.simulator().clearFaults()); }

    void resultsCarryTheirFolderPaths()
    {
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.search(QStringLiteral("aurora"), 0);
        QVERIFY(finishedWith(finished, true));
        QCOMPARE(results.count(), 1);

        const QList<FolderElementEntity> entities = resultOf(results);
        // Folder Aurora 111 first, then its two documents.
        QCOMPARE(idsOf(entities), (QList<int>{111, 1010, 1011}));
        const QString myDocuments = m_fixture.portalFolders(100).first().toObject().value(QStringLiteral("Name")).toString();
        QVERIFY(!myDocuments.isEmpty());
        QCOMPARE(entities.at(0).isFile, false);
        QCOMPARE(entities.at(0).pathIds, (QList<int>{100, 110}));
        QCOMPARE(entities.at(0).pathNames, (QStringList{myDocuments, QStringLiteral("Projects")}));
        QCOMPARE(entities.at(1).isFile, true);
        QCOMPARE(entities.at(1).name, QStringLiteral("Aurora specification.docx"));
        QCOMPARE(entities.at(1).pathIds, (QList<int>{100, 110, 111}));
        QCOMPARE(entities.at(1).pathNames, (QStringList{myDocuments, QStringLiteral("Projects"), QStringLiteral("Aurora")}));
    }

    void entityFieldsFollowThePortal()
    {
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.search(QStringLiteral("Budget 2024"), 100);
        QVERIFY(finishedOnce(finished));
        QVERIFY(m_fixture.receivedRequests().last().endsWith(QStringLiteral("&id=100")));

        QJsonObject portal;
        for (const QJsonValue &document : m_fixture.portalDocuments(100)) {
            if (document.toObject().value(QStringLiteral("Id")).toInt() == 1002)
                portal = document.toObject();
        }
        QVERIFY(!portal.isEmpty());
        const QList<FolderElementEntity> entities = resultOf(results);
        QCOMPARE(entities.size(), 1);
        const FolderElementEntity &entity = entities.first();
        QCOMPARE(entity.id, 1002);
        QCOMPARE(entity.name, portal.value(QStringLiteral("Name")).toString());
        QCOMPARE(entity.ownerId, portal.value(QStringLiteral("OwnerId")).toInt());
        QCOMPARE(entity.timestamp,
                 QDateTime::fromString(portal.value(QStringLiteral("Timestamp")).toString(), Qt::ISODate));
        QVERIFY(entity.timestamp.isValid());
        QCOMPARE(entity.isFavorite, true);
        QCOMPARE(entity.size, portal.value(QStringLiteral("Size")).toInt());
        QVERIFY(entity.size > 0);
        QCOMPARE(entity.isShared, false);
        QCOMPARE(entity.busy, false);
        QCOMPARE(entity.selected, false);
        QCOMPARE(entity.pathIds, QList<int>{100});
    }

    void answerObjects()
    {
        const QVariantMap grandParent{{QStringLiteral("Id"), 1}, {QStringLiteral("Name"), QStringLiteral("top")}};
        const QVariantMap parent{{QStringLiteral("Id"), 2}, {QStringLiteral("Name"), QStringLiteral("middle")},
                                 {QStringLiteral("Parent"), grandParent}};
        const QVariantMap answer{
            {QStringLiteral("success"), true},
            {QStringLiteral("directories"),
             QVariantList{QVariantMap{{QStringLiteral("Id"), -1}, {QStringLiteral("Name"), QStringLiteral("virtual")}},
                          QVariantMap{{QStringLiteral("Id"), 5}, {QStringLiteral("Name"), QStringLiteral("no parent")}}}},
            {QStringLiteral("documents"),
             QVariantList{QVariantMap{{QStringLiteral("Id"), 0}, {QStringLiteral("Parent"), parent}},
                          QVariantMap{{QStringLiteral("Id"), -7}}}},
        };
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        worker.handleSearchRequest(answer);
        const QList<FolderElementEntity> entities = resultOf(results);
        QCOMPARE(idsOf(entities), (QList<int>{5, 0}));
        QVERIFY(entities.at(0).pathIds.isEmpty());
        QVERIFY(entities.at(0).pathNames.isEmpty());
        QCOMPARE(entities.at(1).pathIds, (QList<int>{1, 2}));
        QCOMPARE(entities.at(1).pathNames, (QStringList{QStringLiteral("top"), QStringLiteral("middle")}));
    }

    void failure_data() { LoadingFixture::failureClasses({PortalPath::s_search}); }

    void failure()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        QVERIFY(m_fixture.fail(path, fault));
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.search(QStringLiteral("report"), 0);
        QVERIFY(finishedWith(finished, false, message));
        QVERIFY(results.isEmpty());
    }

    void lateAnswerOfAnEarlierSearchIsDropped()
    {
        QVERIFY(m_fixture.fail(PortalPath::s_search, {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                       {QStringLiteral("delayMs"), 600},
                                                       {QStringLiteral("count"), 1}}));
        SearchFoldersAndFilesWorker worker;
        QSignalSpy results(&worker, &SearchFoldersAndFilesWorker::searchResult);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.search(QStringLiteral("Budget"), 0);
        worker.search(QStringLiteral("Roadmap"), 0);
        // It also waits out the held-back answer.
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(results.count(), 1);
        QCOMPARE(idsOf(resultOf(results)), QList<int>{1003});
    }
};

VELLIX_TEST_MAIN(TestSearchFoldersAndFilesWorker, QCoreApplication)
#include "tst_loadingworkers_search.moc"
