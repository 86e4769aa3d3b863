#include "loadingfixture.h"
#include "testenvironment.h"
#include "workers/getdocumentinfoworker.h"
#include "workers/getfolderinfoworker.h"
#include "workers/getnamesindirectoryworker.h"

#include <QCoreApplication>
#include <QtTest>

namespace {

QStringList namesOf(const QJsonArray &objects)
{
    QStringList names;
    for (const QJsonValue &object : objects)
        names.append(object.toObject().value(QStringLiteral("Name")).toString());
    return names;
}

} // namespace

// The small workers of the rename dialog: folder and document information
// and the names already used in a folder.
class TestDialogInfoWorkers : public QObject
{
    Q_OBJECT

    LoadingFixture m_fixture;

private slots:
    void initTestCase() { QVERIFY(m_fixture.start()); }

    void init() { QVERIFY(m_fixture.simulator().clearFaults()); }

    void folderInfo()
    {
        GetFolderInfoWorker worker;
        QSignalSpy info(&worker, &GetFolderInfoWorker::infoReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.getFolderInfo(111);
        QVERIFY(finishedWith(finished, true));
        QCOMPARE(info.count(), 1);
        const QVariantMap map = info.first().first().toMap();
        QCOMPARE(map.value(QStringLiteral("Id")).toInt(), 111);
        QCOMPARE(map.value(QStringLiteral("Name")).toString(), QStringLiteral("Aurora"));
        QCOMPARE(map.value(QStringLiteral("DirectoryId")).toInt(), 110);
    }

    void folderInfoWithoutTheFolder()
    {
        QVERIFY(m_fixture.fail(PortalPath::s_folders, {{QStringLiteral("mode"), QStringLiteral("status")},
                                                        {QStringLiteral("status"), 200},
                                                        {QStringLiteral("body"), QStringLiteral("[]")}}));
        GetFolderInfoWorker worker;
        QSignalSpy info(&worker, &GetFolderInfoWorker::infoReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.getFolderInfo(111);
        QVERIFY(finishedOnce(finished));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QVERIFY(!finished.first().at(1).toString().isEmpty());
        QCOMPARE(info.count(), 1);
        QVERIFY(info.first().first().toMap().isEmpty());
    }

    void folderInfoFailure_data() { LoadingFixture::failureClasses({PortalPath::s_folders}); }

    void folderInfoFailure()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        QVERIFY(m_fixture.fail(path, fault));
        GetFolderInfoWorker worker;
        QSignalSpy info(&worker, &GetFolderInfoWorker::infoReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.getFolderInfo(111);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(info.count(), 1);
        QVERIFY(info.first().first().toMap().isEmpty());
    }

    void documentInfo()
    {
        GetDocumentInfoWorker worker;
        QSignalSpy info(&worker, &GetDocumentInfoWorker::infoReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.getDocumentInfo(1010);
        QVERIFY(finishedWith(finished, true));
        QCOMPARE(info.count(), 1);
        const QVariantMap map = info.first().first().toMap();
        QCOMPARE(map.value(QStringLiteral("Name")).toString(), QStringLiteral("Aurora specification.docx"));
        QCOMPARE(map.value(QStringLiteral("DirectoryId")).toInt(), 111);
    }

    void documentInfoFailure_data()
    {
        LoadingFixture::failureClasses({PortalPath::s_documentInfo});
        QTest::newRow("unknown document") << QString() << QJsonObject()
                                          << QStringLiteral("Document 999999 not found. Error 404.");
    }

    void documentInfoFailure()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        if (!path.isEmpty())
            QVERIFY(m_fixture.fail(path, fault));
        GetDocumentInfoWorker worker;
        QSignalSpy info(&worker, &GetDocumentInfoWorker::infoReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.getDocumentInfo(path.isEmpty() ? 999999 : 1010);
        QVERIFY(finishedWith(finished, false, message));
        QCOMPARE(info.count(), 1);
        QVERIFY(info.first().first().toMap().isEmpty());
    }

    void namesInDirectory_data()
    {
        QTest::addColumn<bool>("files");
        QTest::addColumn<int>("folderId");
        QTest::newRow("sub-folders") << false << 110;
        QTest::newRow("sub-folders of a folder without any") << false << 111;
        QTest::newRow("documents") << true << 100;
        QTest::newRow("documents of a folder without any") << true << 110;
    }

    void namesInDirectory()
    {
        QFETCH(bool, files);
        QFETCH(int, folderId);

        GetNamesInDirectoryWorker worker;
        QSignalSpy names(&worker, &GetNamesInDirectoryWorker::namesReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        if (files)
            worker.loadFilesNames(folderId);
        else
            worker.loadFolderNames(folderId);
        QVERIFY(finishedWith(finished, true));
        QCOMPARE(names.count(), 1);
        const QStringList expected = files ? namesOf(m_fixture.portalDocuments(folderId))
                                           : namesOf(LoadingFixture::children(m_fixture.portalFolders(folderId)));
        QCOMPARE(names.first().first().value<QList<QString>>(), expected);
        if (folderId == 110)
            QCOMPARE(expected.isEmpty(), files);
    }

    void namesFailure_data() { LoadingFixture::failureClasses({PortalPath::s_folders, PortalPath::s_documents}); }

    void namesFailure()
    {
        QFETCH(QString, path);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);

        QVERIFY(m_fixture.fail(path, fault));
        GetNamesInDirectoryWorker worker;
        QSignalSpy names(&worker, &GetNamesInDirectoryWorker::namesReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        if (path == PortalPath::s_documents)
            worker.loadFilesNames(100);
        else
            worker.loadFolderNames(110);
        QVERIFY(finishedWith(finished, false, message));
        QVERIFY(names.isEmpty());
    }

    void namesOfTheNewestFolderOnly()
    {
        QVERIFY(m_fixture.fail(PortalPath::s_folders, {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                        {QStringLiteral("delayMs"), 600},
                                                        {QStringLiteral("count"), 1}}));
        GetNamesInDirectoryWorker worker;
        QSignalSpy names(&worker, &GetNamesInDirectoryWorker::namesReady);
        QSignalSpy finished(&worker, &Worker::workFinished);
        worker.loadFolderNames(100);
        worker.loadFolderNames(110);
        // It also waits out the held-back answer.
        QVERIFY(finishedOnce(finished));
        QCOMPARE(names.count(), 1);
        QCOMPARE(names.first().first().value<QList<QString>>(), (QStringList{QStringLiteral("Aurora"), QStringLiteral("Archive 2023")}));
    }
};

VELLIX_TEST_MAIN(TestDialogInfoWorkers, QCoreApplication)
#include "tst_loadingworkers_dialogs.moc"
