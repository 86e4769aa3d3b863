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

// Transfers report the reply's own error text; a fault "unusable" stands for a local place that cannot be used.
void transferRows(const QString &unusable)
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("done") << QJsonObject() << QString();
    QTest::newRow("portal error") << OperationFixture::portalError().fault << "Internal Server Error";
    QTest::newRow("connection dropped") << QJsonObject{{"mode", "drop"}} << "Connection closed";
    QTest::newRow("unusable place") << QJsonObject{{"unusable", true}} << unusable;
}
} // namespace

// Downloads of a document into a local folder and uploads of a local file.
class TestTransferWorkers : public QObject
{
    Q_OBJECT
private:
    TransferFixture m_fixture;

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void download_data()
    {
        transferRows(QStringLiteral("Could not save the file in "));
    }

    // Under a free name, never over a file of the user's, and nothing left behind on failure.
    void download()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const bool unusable = fault.contains(QStringLiteral("unusable"));
        const QString folder = unusable ? m_fixture.unusableFolder() : m_fixture.targetFolder();
        const QString name = QStringLiteral("report.v1.2.docx");
        QVERIFY(TestEnvironment::writeFile(m_fixture.targetFolder() + QLatin1Char('/') + name, "mine"));
        if (!fault.isEmpty() && !unusable)
            QVERIFY(m_fixture.simulator().setFault(s_download, fault));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(
            new DownloadFileWorker(&m_fixture.dao(), s_welcome, folder, name, DirectoryType::MyDocuments), &outcome));
        QCOMPARE(outcome.success, fault.isEmpty());
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(TestEnvironment::readFile(m_fixture.targetFolder() + QLatin1Char('/') + name), QByteArray("mine"));
        QCOMPARE(TransferFixture::cacheEntries(), QStringList());
        const QString stored = m_fixture.targetFolder() + QStringLiteral("/report.v1.2_copy_1.docx");
        if (!fault.isEmpty()) {
            QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), (QStringList{"plain", name}));
            const QString warning = unusable ? QStringLiteral("Error download document ") : QStringLiteral("Error download file ");
            QVERIFY(m_fixture.notified({"Start download file " + name, warning + name}, outcome.message));
            return;
        }
        QCOMPARE(TestEnvironment::readFile(stored),
                 m_fixture.storedBytes(m_fixture.portalDocument(s_welcome).value(QStringLiteral("FileId")).toInt()));
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()).size(), 3);
        QCOMPARE(m_fixture.requests(),
                 QStringList{QStringLiteral("GET %1?id=1001&download=false&offline=false").arg(s_download)});
        QVERIFY(m_fixture.notified({"Start download file " + name, "Download file " + name + " success"}));
    }

    void upload_data()
    {
        transferRows(QStringLiteral("error open file"));
    }

    void upload()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const bool unusable = fault.contains(QStringLiteral("unusable"));
        QTemporaryDir local;
        const QString path = local.filePath(QStringLiteral("report.v1.2.docx"));
        const QByteArray bytes = QByteArray("PK\x03\x04 not really a document ") + QByteArray(200000, 'v');
        if (!unusable)
            QVERIFY(TestEnvironment::writeFile(path, bytes));
        if (!fault.isEmpty() && !unusable)
            QVERIFY(m_fixture.simulator().setFault(s_upload, fault));

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(new UploadDocumentWorker(path, 110), &outcome));
        QCOMPARE(outcome.success, fault.isEmpty());
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        if (unusable) {
            QCOMPARE(m_fixture.requestCount(s_upload), 0);
            QVERIFY(m_fixture.notified({"Error upload file report.v1.2.docx"}, outcome.message));
            return;
        }
        if (!fault.isEmpty()) {
            // A closed connection is the portal's refusal of the upload.
            const QString summary = fault.contains(QStringLiteral("mode")) ? QStringLiteral("Server decline upload")
                                                                           : outcome.message;
            QVERIFY(m_fixture.notified({"File report.v1.2.docx upload started", "Error upload file report.v1.2.docx"},
                                       summary));
            return;
        }
        QJsonObject uploaded;
        for (const QJsonValue &document : m_fixture.simulator().state().value(QStringLiteral("documents")).toArray()) {
            if (document.toObject().value(QStringLiteral("Name")).toString() == QLatin1String("report.v1.2.docx"))
                uploaded = document.toObject();
        }
        QCOMPARE(uploaded.value(QStringLiteral("DirectoryId")).toInt(), 110);
        QCOMPARE(m_fixture.storedBytes(uploaded.value(QStringLiteral("FileId")).toInt()), bytes);
        QVERIFY(m_fixture.notified({"File report.v1.2.docx upload started", "File report.v1.2.docx already uploaded"}));
    }
};

VELLIX_TEST_MAIN(TestTransferWorkers, QCoreApplication)
#include "tst_transferworkers.moc"
