#include "portalrefusal.h"
#include "testenvironment.h"
#include "transferfixture.h"
#include "workers/downloadarchivedirectoryworker.h"
#include "workers/downloadpdfworker.h"
#include "workers/servertaskpoller.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QtTest>

namespace {

enum class Kind { Pdf, Archive };

struct Expectation
{
    int id;
    bool isFile;
    QString name;
    QString startPath;      // the request that starts the server task
    QString downloadPath;
    QString stored;         // the first free name
    QString storedTaken;    // when it is taken
    QString storedTwice;    // when both are taken
    QString downloadInfo;
    QString successInfo;
    QString requestFailed;
    QString checkFailed;
    QString downloadFailed;
};

Expectation expectation(Kind kind)
{
    if (kind == Kind::Pdf) {
        return {1001, true, QStringLiteral("Welcome.docx"), QStringLiteral("/api/v1/Documents/Convert"),
                QStringLiteral("/api/v1/Documents/Download"), QStringLiteral("Welcome.pdf"),
                QStringLiteral("Welcome_copy_1.pdf"), QStringLiteral("Welcome_copy_2.pdf"),
                QStringLiteral("Start download document Welcome.docx"),
                QStringLiteral("Download document Welcome.docx success"),
                QStringLiteral("Error prepare document Welcome.docx"),
                QStringLiteral("Error convert document Welcome.docx"),
                QStringLiteral("Error download document Welcome.docx")};
    }
    return {110, false, QStringLiteral("Projects"), QStringLiteral("/api/v1/DocumentDirectory/Archive"),
            QStringLiteral("/api/v1/UserTask/Download"), QStringLiteral("Projects.zip"),
            QStringLiteral("Projects(1).zip"), QStringLiteral("Projects(2).zip"),
            QStringLiteral("Start download archive Projects"),
            QStringLiteral("Download folder archive Projects success"), QStringLiteral("Error archive folder Projects"),
            QStringLiteral("Error archive folder Projects"), QStringLiteral("Error download folder archive Projects")};
}

Worker *create(Kind kind, DataAccessObject *dao, const QString &folder, const QString &name = QString())
{
    const Expectation expected = expectation(kind);
    const QString entityName = name.isEmpty() ? expected.name : name;
    if (kind == Kind::Pdf)
        return new DownloadPdfWorker(dao, expected.id, entityName, folder, DirectoryType::MyDocuments);
    return new DownloadArchiveDirectoryWorker(dao, expected.id, entityName, folder, DirectoryType::MyDocuments);
}

const QList<QPair<const char *, Kind>> s_kinds{{"pdf", Kind::Pdf}, {"archive", Kind::Archive}};

enum class Failure { Request, StatusRequest, Task, TimeLimit, Download, UnusableFolder };

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Failure)

class TestTransferTaskWorkers : public QObject
{
    Q_OBJECT
private:
    TransferFixture m_fixture;

    QByteArray resultBytes(Kind kind)
    {
        if (kind == Kind::Pdf)
            return m_fixture.storedBytes(m_fixture.portalDocument(1001).value(QStringLiteral("OfflineFileId")).toInt());
        return m_fixture.storedBytes(m_fixture.lastTask().value(QStringLiteral("ResultFileId")).toInt());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void cleanup()
    {
        ServerTaskPoller::setTimeLimit(ServerTaskPoller::s_defaultTimeLimitMs);
    }

    void followsTheTaskAndStoresTheResult_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("taken");
        for (const auto &kind : s_kinds) {
            for (int taken = 0; taken <= 2; ++taken)
                QTest::addRow("%s, %d names taken", kind.first, taken) << kind.second << taken;
        }
    }

    void followsTheTaskAndStoresTheResult()
    {
        QFETCH(Kind, kind);
        QFETCH(int, taken);
        const Expectation expected = expectation(kind);
        const QString folder = m_fixture.targetFolder();
        const QStringList names{expected.stored, expected.storedTaken, expected.storedTwice};
        for (int i = 0; i < taken; ++i)
            QVERIFY(TransferFixture::writeFile(folder + QLatin1Char('/') + names.at(i), "mine"));
        // Status 1, then 3: two polls.
        QVERIFY(m_fixture.simulator().setTaskSteps(2));

        Worker *worker = create(kind, &m_fixture.dao(), folder);
        QPointer<Worker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
        QVERIFY(m_fixture.waitForRequest(PortalPath::s_userTask));
        QVERIFY(finished.isEmpty());
        QVERIFY(m_fixture.isBusy(expected.id, expected.isFile));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, QString());
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());

        QCOMPARE(TransferFixture::readFile(folder + QLatin1Char('/') + names.at(taken)), resultBytes(kind));
        QVERIFY(!resultBytes(kind).isEmpty());
        for (int i = 0; i < taken; ++i)
            QCOMPARE(TransferFixture::readFile(folder + QLatin1Char('/') + names.at(i)), QByteArray("mine"));
        // Nothing else: no temporary archive, no hidden partial copy.
        QCOMPARE(TransferFixture::entries(folder).size(), taken + 2);
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());

        const QStringList requests = m_fixture.requests();
        QCOMPARE(requests.size(), 4);
        QVERIFY(requests.first().contains(expected.startPath + QLatin1Char('?')));
        QCOMPARE(requests.filter(PortalPath::s_userTask + QLatin1Char('?')).size(), 2);
        QVERIFY(requests.last().contains(expected.downloadPath + QLatin1Char('?')));
        if (kind == Kind::Pdf)
            QVERIFY(requests.last().endsWith(QLatin1String("download=false&offline=true")));

        const QList<ReceivedNotification> notifications = m_fixture.notifications(2);
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(notifications.at(0).body, expected.downloadInfo);
        QCOMPARE(notifications.at(1).body, expected.successInfo);
        QCOMPARE(notifications.at(1).summary, QString());
    }

    void fails_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Failure>("failure");
        const QList<QPair<const char *, Failure>> failures{{"request failed", Failure::Request},
                                                           {"status request failed", Failure::StatusRequest},
                                                           {"task failed", Failure::Task},
                                                           {"task never ends", Failure::TimeLimit},
                                                           {"download failed", Failure::Download},
                                                           {"unusable target folder", Failure::UnusableFolder}};
        for (const auto &kind : s_kinds) {
            for (const auto &failure : failures)
                QTest::addRow("%s: %s", kind.first, failure.first) << kind.second << failure.second;
        }
    }

    void fails()
    {
        QFETCH(Kind, kind);
        QFETCH(Failure, failure);
        const Expectation expected = expectation(kind);
        QString folder = m_fixture.targetFolder();
        QVERIFY(m_fixture.simulator().setTaskSteps(2));
        QString warning = expected.checkFailed;
        QString message = PortalRefusal::text();
        int notificationCount = 1;
        switch (failure) {
        case Failure::Request:
            QVERIFY(m_fixture.simulator().setFault(expected.startPath, PortalRefusal::fault()));
            warning = expected.requestFailed;
            break;
        case Failure::StatusRequest:
            QVERIFY(m_fixture.simulator().setFault(PortalPath::s_userTask, PortalRefusal::fault()));
            break;
        case Failure::Task:
            QVERIFY(m_fixture.simulator().failNextTasks(1));
            message = QStringLiteral("Server error");
            break;
        case Failure::TimeLimit:
            QVERIFY(m_fixture.simulator().setTaskSteps(1000000));
            ServerTaskPoller::setTimeLimit(700);
            message = QStringLiteral("The portal did not finish the operation in time.");
            break;
        case Failure::Download:
            QVERIFY(m_fixture.simulator().setFault(expected.downloadPath, PortalRefusal::fault()));
            warning = expected.downloadFailed;
            message = QStringLiteral("Internal Server Error");
            notificationCount = 2;
            break;
        case Failure::UnusableFolder:
            folder = m_fixture.unusableFolder();
            warning = expected.downloadFailed;
            message = kind == Kind::Pdf ? QStringLiteral("Could not save the document in %1").arg(folder)
                                        : QStringLiteral("Error write downloaded file");
            notificationCount = 2;
            break;
        }

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(create(kind, &m_fixture.dao(), folder), &outcome));
        QCOMPARE(outcome.success, false);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(m_fixture.busyCount(), 0);
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), QStringList{QStringLiteral("plain")});
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());
        const int polls = m_fixture.requestCount(PortalPath::s_userTask);
        if (failure == Failure::Request)
            QCOMPARE(polls, 0);

        // Exactly one warning, after the start of the download where there was one.
        const QList<ReceivedNotification> notifications = m_fixture.notifications(notificationCount);
        QCOMPARE(notifications.size(), notificationCount);
        if (notificationCount == 2)
            QCOMPARE(notifications.first().body, expected.downloadInfo);
        QCOMPARE(notifications.last().body, warning);
        QCOMPARE(notifications.last().summary, outcome.message);
        QCOMPARE(notifications.last().appIcon, QStringLiteral("image://theme/icon-lock-warning"));

        // No poll follows the end of the watch.
        if (failure == Failure::StatusRequest || failure == Failure::Task || failure == Failure::TimeLimit) {
            QTest::qWait(4 * ServerTaskPoller::pollInterval());
            QCOMPARE(m_fixture.requestCount(PortalPath::s_userTask), polls);
        }
    }

    void pdfNeedsNoConversion()
    {
        const QString folder = m_fixture.targetFolder();
        OperationFixture::Outcome outcome;
        auto *worker = new DownloadPdfWorker(&m_fixture.dao(), 1004, QStringLiteral("Contract.pdf"), folder,
                                             DirectoryType::MyDocuments);
        QVERIFY(OperationFixture::runOnPool(worker, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(m_fixture.requests(),
                 QStringList{QStringLiteral("GET /api/v1/Documents/Download?id=1004&download=false&offline=true")});
        QCOMPARE(TransferFixture::readFile(folder + QStringLiteral("/Contract.pdf")),
                 m_fixture.storedBytes(m_fixture.portalDocument(1004).value(QStringLiteral("FileId")).toInt()));
        QCOMPARE(m_fixture.busyCount(), 0);
    }

    void capitalPdfIsConvertedFirst()
    {
        // The portal cannot convert a PDF and says so; the mark goes all the same.
        OperationFixture::Outcome outcome;
        auto *worker = new DownloadPdfWorker(&m_fixture.dao(), 1004, QStringLiteral("CONTRACT.PDF"),
                                             m_fixture.targetFolder(), DirectoryType::MyDocuments);
        QVERIFY(OperationFixture::runOnPool(worker, &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(m_fixture.requests(), QStringList{QStringLiteral("GET /api/v1/Documents/Convert?id=1004")});
        QCOMPARE(m_fixture.notifications(1).last().body, QStringLiteral("Error prepare document CONTRACT.PDF"));
        QCOMPARE(m_fixture.busyCount(), 0);
    }
};

VELLIX_TEST_MAIN(TestTransferTaskWorkers, QCoreApplication)
#include "tst_transferworkers_tasks.moc"
