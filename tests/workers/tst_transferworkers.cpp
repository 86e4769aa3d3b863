#include "portalrefusal.h"
#include "testenvironment.h"
#include "transferfixture.h"
#include "workers/downloadfileworker.h"
#include "workers/uploaddocumentworker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QtTest>

namespace {
const int s_welcome = 1001;
const QString s_download = QStringLiteral("/api/v1/Documents/Download");
const QString s_upload = QStringLiteral("/api/v1/Documents/Upload");

// Failures of the portal as transfers see them: the reply's own error text.
void portalFailureRows()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("portal error") << PortalRefusal::fault() << QStringLiteral("Internal Server Error");
    QTest::newRow("expired sign-in") << PortalRefusal::fault(401) << QStringLiteral("Host requires authentication");
    QTest::newRow("not found") << PortalRefusal::fault(404) << QStringLiteral("Not Found");
    QTest::newRow("connection dropped") << QJsonObject{{QStringLiteral("mode"), QStringLiteral("drop")}}
                                        << QStringLiteral("Connection closed");
}
} // namespace

class TestTransferWorkers : public QObject
{
    Q_OBJECT
private:
    TransferFixture m_fixture;

    QByteArray welcomeBytes()
    {
        return m_fixture.storedBytes(m_fixture.portalDocument(s_welcome).value(QStringLiteral("FileId")).toInt());
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

    void downloadsUnderAFreeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("stored");
        const QString dotted = QStringLiteral("report.v1.2.docx");
        QTest::newRow("free name") << QStringLiteral("Welcome.docx") << QStringList()
                                   << QStringLiteral("Welcome.docx");
        QTest::newRow("dots in the base, taken") << dotted << QStringList{dotted}
                                                 << QStringLiteral("report.v1.2_copy_1.docx");
        QTest::newRow("doubly taken") << dotted << QStringList{dotted, QStringLiteral("report.v1.2_copy_1.docx")}
                                      << QStringLiteral("report.v1.2_copy_2.docx");
        QTest::newRow("no dot, taken") << QStringLiteral("Welcome") << QStringList{QStringLiteral("Welcome")}
                                       << QStringLiteral("Welcome_copy_1");
    }

    void downloadsUnderAFreeName()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, existing);
        QFETCH(QString, stored);
        const QString folder = m_fixture.targetFolder();
        for (const QString &file : existing)
            QVERIFY(TransferFixture::writeFile(folder + QLatin1Char('/') + file, "mine"));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(
            new DownloadFileWorker(&m_fixture.dao(), s_welcome, folder, name, DirectoryType::MyDocuments), &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, QString());
        QCOMPARE(TransferFixture::readFile(folder + QLatin1Char('/') + stored), welcomeBytes());
        for (const QString &file : existing)
            QCOMPARE(TransferFixture::readFile(folder + QLatin1Char('/') + file), QByteArray("mine"));
        QCOMPARE(TransferFixture::entries(folder).size(), existing.size() + 2);   // with "plain"
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());
        QCOMPARE(m_fixture.requests(),
                 QStringList{QStringLiteral("GET %1?id=1001&download=false&offline=false").arg(s_download)});

        const QList<ReceivedNotification> notifications = m_fixture.notifications(2);
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(notifications.at(0).body, QStringLiteral("Start download file %1").arg(name));
        QCOMPARE(notifications.at(1).body, QStringLiteral("Download file %1 success").arg(name));
        QCOMPARE(notifications.at(1).summary, QString());
    }

    void downloadFails_data()
    {
        portalFailureRows();
    }

    void downloadFails()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        QVERIFY(m_fixture.simulator().setFault(s_download, fault));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new DownloadFileWorker(&m_fixture.dao(), s_welcome,
                                                                   m_fixture.targetFolder(),
                                                                   QStringLiteral("Welcome.docx"),
                                                                   DirectoryType::MyDocuments),
                                            &outcome));
        QCOMPARE(outcome.success, false);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), QStringList{QStringLiteral("plain")});
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());

        const QList<ReceivedNotification> notifications = m_fixture.notifications(2);
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(notifications.at(1).body, QStringLiteral("Error download file Welcome.docx"));
        QCOMPARE(notifications.at(1).summary, outcome.message);
        QCOMPARE(notifications.at(1).appIcon, QStringLiteral("image://theme/icon-lock-warning"));
    }

    void downloadIntoAnUnusableFolder()
    {
        const QString folder = m_fixture.unusableFolder();
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new DownloadFileWorker(&m_fixture.dao(), s_welcome, folder,
                                                                   QStringLiteral("Welcome.docx"),
                                                                   DirectoryType::MyDocuments),
                                            &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, QStringLiteral("Could not save the file in %1").arg(folder));
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), QStringList{QStringLiteral("plain")});
        // The downloaded copy does not stay behind in the cache either.
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());
        const QList<ReceivedNotification> notifications = m_fixture.notifications(2);
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(notifications.at(1).body, QStringLiteral("Error download document Welcome.docx"));
        QCOMPARE(notifications.at(1).summary, outcome.message);
    }

    void uploads()
    {
        QTemporaryDir local;
        const QString path = local.filePath(QStringLiteral("report.v1.2.docx"));
        const QByteArray bytes = QByteArray("PK\x03\x04 not really a document ") + QByteArray(200000, 'v');
        QVERIFY(TransferFixture::writeFile(path, bytes));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new UploadDocumentWorker(path, 110), &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, QString());

        QJsonObject uploaded;
        for (const QJsonValue &document : m_fixture.simulator().state().value(QStringLiteral("documents")).toArray()) {
            if (document.toObject().value(QStringLiteral("Name")).toString() == QLatin1String("report.v1.2.docx"))
                uploaded = document.toObject();
        }
        QCOMPARE(uploaded.value(QStringLiteral("DirectoryId")).toInt(), 110);
        QCOMPARE(m_fixture.storedBytes(uploaded.value(QStringLiteral("FileId")).toInt()), bytes);

        const QList<ReceivedNotification> notifications = m_fixture.notifications(2);
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(notifications.at(0).body, QStringLiteral("File report.v1.2.docx upload started"));
        QCOMPARE(notifications.at(1).body, QStringLiteral("File report.v1.2.docx already uploaded"));
        QCOMPARE(notifications.at(1).appIcon, QStringLiteral("image://theme/icon-lock-information"));
    }

    void uploadFails_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("summary");
        QTest::newRow("portal error") << PortalRefusal::fault() << QStringLiteral("Internal Server Error")
                                      << QString();
        QTest::newRow("portal closes the connection")
            << QJsonObject{{QStringLiteral("mode"), QStringLiteral("drop")}} << QStringLiteral("Connection closed")
            << QStringLiteral("Server decline upload");
    }

    void uploadFails()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        QFETCH(QString, summary);
        QVERIFY(m_fixture.simulator().setFault(s_upload, fault));
        QTemporaryDir local;
        const QString path = local.filePath(QStringLiteral("a.txt"));
        QVERIFY(TransferFixture::writeFile(path, "text"));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new UploadDocumentWorker(path, 110), &outcome));
        QCOMPARE(outcome.success, false);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        const QList<ReceivedNotification> notifications = m_fixture.notifications(2);
        QCOMPARE(notifications.size(), 2);
        QCOMPARE(notifications.at(0).body, QStringLiteral("File a.txt upload started"));
        QCOMPARE(notifications.at(1).body, QStringLiteral("Error upload file a.txt"));
        QCOMPARE(notifications.at(1).summary, summary.isEmpty() ? outcome.message : summary);
    }

    void uploadOfAMissingFile()
    {
        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new UploadDocumentWorker(QStringLiteral("/nonexistent/gone.txt"), 110),
                                            &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, QStringLiteral("error open file"));
        QCOMPARE(m_fixture.requestCount(s_upload), 0);
        const QList<ReceivedNotification> notifications = m_fixture.notifications(1);
        QCOMPARE(notifications.size(), 1);
        QCOMPARE(notifications.first().body, QStringLiteral("Error upload file gone.txt"));
        QCOMPARE(notifications.first().summary, QStringLiteral("error open file"));
    }
};

VELLIX_TEST_MAIN(TestTransferWorkers, QCoreApplication)
#include "tst_transferworkers.moc"
