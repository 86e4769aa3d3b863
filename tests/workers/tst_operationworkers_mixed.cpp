#include "operationsuite.h"
#include "testenvironment.h"
#include "workers/copyfileandfolderworkers.h"
#include "workers/deletefileandfolderworker.h"
#include "workers/movefileandfolderworker.h"
#include "workers/restorefileandfolderworker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QtTest>

namespace {

enum class Operation { Move, Copy, Restore, Delete, Remove };

struct Selection
{
    QList<int> fileIds;
    QStringList fileNames;
    QList<int> folderIds;
    QStringList folderNames;
};

// What each operation sends and shows for its usual selection.
struct Expectation
{
    Selection selection;
    QString filesRequest;
    QString foldersRequest;
    bool task;
    QString filesDone;
    QString filesFailed;
    QString foldersDone;
    QString foldersFailed;
    QString taskCheckFailed;
    QString taskFailed;
    bool removesEntries;
};

Expectation expectation(Operation operation)
{
    const Selection inMyDocuments{{1005, 1006}, {QStringLiteral("Notes.txt"), QStringLiteral("Logo.png")},
                                  {114}, {QStringLiteral("Photos")}};
    const Selection inTrash{{1051}, {QStringLiteral("Old budget.xlsx")}, {120}, {QStringLiteral("Drafts")}};
    const QString post = QStringLiteral("POST /api/v1/");
    switch (operation) {
    case Operation::Move:
        return {inMyDocuments, post + QStringLiteral("Documents/Move"), post + QStringLiteral("DocumentDirectory/Move"),
                true, QStringLiteral("Files are moved successfully"), QStringLiteral("Error move files"),
                QStringLiteral("Folders are moved successfully"), QStringLiteral("Error move folders"),
                QStringLiteral("Error move folders Photos"), QStringLiteral("Error move folders"), false};
    case Operation::Copy:
        return {inMyDocuments, post + QStringLiteral("Documents/Copy"), post + QStringLiteral("DocumentDirectory/Copy"),
                true, QStringLiteral("Files are copied successfully"), QStringLiteral("Error copy files"),
                QStringLiteral("Folders are copied successfully"), QStringLiteral("Error copy folders"),
                QStringLiteral("Error copy folders Photos"), QStringLiteral("Error copy folders"), false};
    case Operation::Restore:
        return {inTrash, post + QStringLiteral("Documents/Restore"), post + QStringLiteral("DocumentDirectory/Restore"),
                false, QStringLiteral("File Old budget.xlsx already restored"),
                QStringLiteral("Error restore file Old budget.xlsx"), QStringLiteral("Folder Drafts already restored"),
                QStringLiteral("Error restore folder Drafts"), QString(), QString(), true};
    case Operation::Delete: {
        const QString foldersFailed = QStringLiteral("Error move folder Photos to trash");
        return {inMyDocuments, post + QStringLiteral("Documents/Delete"), post + QStringLiteral("DocumentDirectory/Delete"),
                true, QStringLiteral("Files Notes.txt, Logo.png already move to trash"),
                QStringLiteral("Error move files Notes.txt, Logo.png to trash"),
                QStringLiteral("Folder Photos already moved to trash"), foldersFailed, foldersFailed, foldersFailed, true};
    }
    case Operation::Remove: {
        const QString foldersFailed = QStringLiteral("Error delete folder Drafts");
        return {inTrash, post + QStringLiteral("Documents/Delete"), post + QStringLiteral("DocumentDirectory/Delete"),
                true, QStringLiteral("File Old budget.xlsx already removed"), QStringLiteral("Error delete file Old budget.xlsx"),
                QStringLiteral("Folder Drafts already deleted"), foldersFailed, foldersFailed, foldersFailed, true};
    }
    }
    return {};
}

Worker *create(Operation operation, DataAccessObject *dao, const Selection &s)
{
    switch (operation) {
    case Operation::Move:
        return new MoveFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, 113,
                                           CopyFolderFlags::Copy, DirectoryType::MyDocuments);
    case Operation::Copy:
        return new CopyFileAndFolderWorkers(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, 113,
                                            CopyFolderFlags::Copy, DirectoryType::MyDocuments);
    case Operation::Restore:
        return new RestoreFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, 100,
                                              CopyFolderFlags::Copy, DirectoryType::Trash);
    case Operation::Delete:
        return new DeleteFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames,
                                             DirectoryType::MyDocuments);
    case Operation::Remove:
        return new DeleteFileAndFolderWorker(dao, s.fileIds, s.folderIds, s.fileNames, s.folderNames, DirectoryType::Trash);
    }
    return nullptr;
}

const QList<QPair<const char *, Operation>> &operations()
{
    static const QList<QPair<const char *, Operation>> s_operations{{"move", Operation::Move},
                                                                    {"copy", Operation::Copy},
                                                                    {"restore", Operation::Restore},
                                                                    {"delete", Operation::Delete},
                                                                    {"delete in trash", Operation::Remove}};
    return s_operations;
}

void addOperationColumn()
{
    QTest::addColumn<Operation>("operation");
    for (const auto &operation : operations())
        QTest::newRow(operation.first) << operation.second;
}

QString pathOf(const QString &request)
{
    return request.section(QLatin1Char(' '), 1);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestMixedSelectionWorkers : public OperationSuite
{
    Q_OBJECT
private:
    // The portal's requests apart from the task polls.
    QStringList operationRequests()
    {
        QStringList requests = m_fixture.requests();
        requests.erase(std::remove_if(requests.begin(), requests.end(),
                                      [](const QString &request) { return request.contains(PortalPath::s_userTask); }),
                       requests.end());
        return requests;
    }

    bool allCached(const QList<int> &ids, bool isFile)
    {
        return std::all_of(ids.begin(), ids.end(), [&](int id) { return m_fixture.isCached(id, isFile); });
    }

    bool allBusy(const QList<int> &ids, bool isFile)
    {
        return std::all_of(ids.begin(), ids.end(), [&](int id) { return m_fixture.isBusy(id, isFile); });
    }

    bool noneBusy(const QList<int> &ids, bool isFile)
    {
        return std::none_of(ids.begin(), ids.end(), [&](int id) { return m_fixture.isBusy(id, isFile); });
    }

private slots:
    void filesThenFolders_data()
    {
        addOperationColumn();
    }

    void filesThenFolders()
    {
        QFETCH(Operation, operation);
        const Expectation expected = expectation(operation);
        const Selection &selection = expected.selection;
        // Both halves held, so that each half's busy marks show.
        for (const QString &request : {expected.filesRequest, expected.foldersRequest})
            QVERIFY(m_fixture.simulator().setFault(pathOf(request), {{QStringLiteral("mode"), QStringLiteral("hold")}}));

        Worker *worker = create(operation, &m_fixture.dao(), selection);
        QPointer<Worker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
        QVERIFY(m_fixture.waitForRequest(pathOf(expected.filesRequest)));
        QVERIFY(allBusy(selection.fileIds, true));
        QVERIFY(noneBusy(selection.folderIds, false));
        QVERIFY(m_fixture.simulator().releaseHeld());
        QVERIFY(m_fixture.waitForRequest(pathOf(expected.foldersRequest)));
        QVERIFY(allBusy(selection.folderIds, false));
        QVERIFY(noneBusy(selection.fileIds, true));
        QVERIFY(m_fixture.simulator().releaseHeld());

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, selection.folderNames.join(QStringLiteral(", ")));
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(operationRequests(), (QStringList{expected.filesRequest, expected.foldersRequest}));
        QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), expected.task ? 3 : 0);
        QVERIFY(m_fixture.notified({expected.filesDone, expected.foldersDone}));

        // Confirmed changes show in the cache before any reload.
        QCOMPARE(allCached(selection.fileIds, true), !expected.removesEntries);
        QCOMPARE(allCached(selection.folderIds, false), !expected.removesEntries);
        if (operation == Operation::Copy)
            QCOMPARE(m_fixture.loading().cachedRows(QStringLiteral("files_and_folders"),
                                                    QStringLiteral("WHERE directory_id = 113 AND is_file = 1")).size(),
                     2);
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    void oneHalfAlone_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("files");
        for (const bool files : {true, false}) {
            for (const auto &operation : operations())
                QTest::newRow(qPrintable(QStringLiteral("%1, only %2").arg(QLatin1String(operation.first),
                                                                         files ? QStringLiteral("files") : QStringLiteral("folders"))))
                    << operation.second << files;
        }
    }

    // Only files send no folder request, only folders no file request.
    void oneHalfAlone()
    {
        QFETCH(Operation, operation);
        QFETCH(bool, files);
        const Expectation expected = expectation(operation);
        Selection selection = expected.selection;
        if (files) {
            selection.folderIds.clear();
            selection.folderNames.clear();
        } else {
            selection.fileIds.clear();
            selection.fileNames.clear();
        }

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(create(operation, &m_fixture.dao(), selection), &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, (files ? selection.fileNames : selection.folderNames).join(QStringLiteral(", ")));
        QCOMPARE(operationRequests(), QStringList{files ? expected.filesRequest : expected.foldersRequest});
        QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), !files && expected.task ? 3 : 0);
        QVERIFY(m_fixture.notified({files ? expected.filesDone : expected.foldersDone}));
        QCOMPARE(allCached(selection.fileIds, true), selection.fileIds.isEmpty() || !expected.removesEntries);
        QCOMPARE(allCached(selection.folderIds, false), selection.folderIds.isEmpty() || !expected.removesEntries);
        QCOMPARE(m_fixture.busyCount(), 0);
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    void fails_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("failure");
        for (const auto &operation : operations()) {
            for (const char *failure : {"files request", "folders request", "status request", "task"}) {
                if (QByteArray(failure).startsWith("f") || expectation(operation.second).task)
                    QTest::addRow("%s: %s", operation.first, failure) << operation.second << QString::fromLatin1(failure);
            }
        }
    }

    // Failing files leave the folders alone; failing folders keep the files' change.
    void fails()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, failure);
        const Expectation expected = expectation(operation);
        const bool filesFail = failure == QLatin1String("files request");
        QStringList notes{expected.filesDone};
        QString warning = expected.foldersFailed;
        QString message = OperationFixture::portalError().message;
        if (filesFail) {
            QVERIFY(m_fixture.simulator().setFault(pathOf(expected.filesRequest), OperationFixture::portalError().fault));
            notes.clear();
            warning = expected.filesFailed;
        } else if (failure == QLatin1String("folders request")) {
            QVERIFY(m_fixture.simulator().setFault(pathOf(expected.foldersRequest), OperationFixture::portalError().fault));
        } else if (failure == QLatin1String("status request")) {
            QVERIFY(m_fixture.simulator().setFault(PortalPath::s_userTask, OperationFixture::portalError().fault));
            warning = expected.taskCheckFailed;
        } else {
            QVERIFY(m_fixture.simulator().failNextTasks(1));
            warning = expected.taskFailed;
            message = QStringLiteral("Server error");
        }
        const QStringList myDocumentsBefore = m_fixture.cachedListing(OperationFixture::s_myDocuments);
        const QStringList trashBefore = m_fixture.cachedListing(OperationFixture::s_trash);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(create(operation, &m_fixture.dao(), expected.selection), &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, message);
        QVERIFY(m_fixture.notified(notes << warning, message));
        QCOMPARE(m_fixture.busyCount(), 0);
        if (filesFail) {
            QCOMPARE(m_fixture.requests(), QStringList{expected.filesRequest});
            QCOMPARE(m_fixture.cachedListing(OperationFixture::s_myDocuments), myDocumentsBefore);
            QCOMPARE(m_fixture.cachedListing(OperationFixture::s_trash), trashBefore);
            return;
        }
        QCOMPARE(allCached(expected.selection.fileIds, true), !expected.removesEntries);
        QVERIFY(allCached(expected.selection.folderIds, false));
        QVERIFY(m_fixture.reloadedCacheMatchesPortal());
    }

    void emptySelectionSendsNothing_data()
    {
        addOperationColumn();
    }

    void emptySelectionSendsNothing()
    {
        QFETCH(Operation, operation);
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(create(operation, &m_fixture.dao(), Selection()), &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, QStringLiteral("Nothing is selected"));
        QVERIFY(m_fixture.requests().isEmpty());
        QVERIFY(m_fixture.notifications(0).isEmpty());
    }
};

VELLIX_TEST_MAIN(TestMixedSelectionWorkers, QCoreApplication)
#include "tst_operationworkers_mixed.moc"
