#include "filesizelimit.h"
#include "testenvironment.h"
#include "transferfixture.h"
#include "workers/blockfilecopy.h"
#include "workers/downloadfileworker.h"
#include "workers/downloadpdfworker.h"
#include "workers/freefilename.h"
#include "workers/uploaddocumentworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

Q_DECLARE_METATYPE(FreeFileName::Kind)

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

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

bool sameDevice(const QString &a, const QString &b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(qPrintable(a), &first) == 0 && ::stat(qPrintable(b), &second) == 0 && first.st_dev == second.st_dev;
}
} // namespace

// Downloads of a document into a local folder, uploads of a local file, and
// how a download finds its free name and is put in place.
class TestTransferWorkers : public QObject
{
    Q_OBJECT
private:
    TransferFixture m_fixture;

private slots:
    void initTestCase() { QVERIFY(m_fixture.start()); }

    void init() { QVERIFY(m_fixture.reset()); }

    void download_data() { transferRows(QStringLiteral("Could not save the file in ")); }

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
        if (!fault.isEmpty()) {
            QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()), (QStringList{"plain", name}));
            const QString warning = unusable ? "Error download document " : "Error download file ";
            QVERIFY(m_fixture.notified({"Start download file " + name, warning + name}, outcome.message));
            return;
        }
        QCOMPARE(TestEnvironment::readFile(m_fixture.targetFolder() + QStringLiteral("/report.v1.2_copy_1.docx")),
                 m_fixture.storedBytes(m_fixture.portalDocument(s_welcome).value(QStringLiteral("FileId")).toInt()));
        QCOMPARE(TransferFixture::entries(m_fixture.targetFolder()).size(), 3);
        QCOMPARE(m_fixture.requests(), QStringList{QStringLiteral("GET %1?id=1001&download=false&offline=false").arg(s_download)});
        QVERIFY(m_fixture.notified({"Start download file " + name, "Download file " + name + " success"}));
    }

    void upload_data() { transferRows(QStringLiteral("error open file")); }

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
            const QString summary = fault.contains(QStringLiteral("mode")) ? "Server decline upload" : outcome.message;
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

    // A finished download is put in place off the main thread: the result
    // handler returns at once, runs no other handler meanwhile, and the outcome follows.
    void handlerLeavesTheFileToAPoolThread_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("base");
        const QString otherFileSystem = QStringLiteral("/dev/shm");
        for (const bool pdf : {false, true}) {
            const char *kind = pdf ? "pdf" : "file";
            QTest::addRow("%s, same file system", kind) << pdf << QDir::tempPath();
            if (QDir(otherFileSystem).exists() && !sameDevice(otherFileSystem, QDir::tempPath()))
                QTest::addRow("%s, other file system", kind) << pdf << otherFileSystem;
        }
    }

    void handlerLeavesTheFileToAPoolThread()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, base);
        const QString placed = pdf ? QStringLiteral("report.pdf") : QStringLiteral("report.docx");
        QTemporaryDir downloads;
        QTemporaryDir target(base + QStringLiteral("/vellix-placement-XXXXXX"));
        QVERIFY(downloads.isValid() && target.isValid());
        const QString download = downloads.filePath(QStringLiteral("download.tmp"));
        const QByteArray bytes = pattern(int(3 * BlockFileCopy::s_blockSize + 5));
        QVERIFY(TestEnvironment::writeFile(download, bytes));

        std::unique_ptr<Worker> worker;
        if (pdf)
            worker.reset(new DownloadPdfWorker(nullptr, 1, "report.docx", target.path(), DirectoryType::MyDocuments));
        else
            worker.reset(new DownloadFileWorker(nullptr, 1, target.path(), "report.docx", DirectoryType::MyDocuments));
        QSignalSpy finished(worker.get(), &Worker::workFinished);
        bool inHandler = true;
        bool ranInHandler = false;
        QMetaObject::invokeMethod(this, [&] { ranInHandler = inHandler; }, Qt::QueuedConnection);
        const QVariantMap result{{"success", true}, {"error", QString()}, {"tmpDocumentPath", download}};
        QVERIFY(QMetaObject::invokeMethod(worker.get(), "handleDownloadRequest", Qt::DirectConnection,
                                          Q_ARG(QVariantMap, result)));
        inHandler = false;
        QVERIFY(!ranInHandler);
        QVERIFY(finished.isEmpty());

        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(TestEnvironment::readFile(target.filePath(placed)), bytes);
        QVERIFY(!QFile::exists(download));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{placed});
    }

    void freeNames_data()
    {
        QTest::addColumn<FreeFileName::Kind>("kind");
        QTest::addColumn<QString>("name");
        // An entry ending in "@" is a link to nothing.
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");

        const QString dotted = QStringLiteral("report.v1.2.docx");
        const auto document = FreeFileName::Document;
        QTest::newRow("free") << document << dotted << QStringList() << dotted;
        QTest::newRow("dots kept when taken") << document << dotted << QStringList{dotted} << "report.v1.2_copy_1.docx";
        QTest::newRow("doubly taken") << document << dotted << QStringList{dotted, "report.v1.2_copy_1.docx"}
                                      << "report.v1.2_copy_2.docx";
        QTest::newRow("only the numbered name taken") << document << dotted << QStringList{"report.v1.2_copy_1.docx"}
                                                      << dotted;
        QTest::newRow("no dot, taken") << document << "README" << QStringList{"README"} << "README_copy_1";
        QTest::newRow("dangling link counts as taken") << document << "a.txt" << QStringList{"a.txt@"} << "a_copy_1.txt";
        QTest::newRow("percent marks in the name") << document << "50%2 %1.txt" << QStringList{"50%2 %1.txt"}
                                                   << "50%2 %1_copy_1.txt";
        QTest::newRow("slash stays inside the folder") << document << "../escape.txt" << QStringList() << ".._escape.txt";
        QTest::newRow("parent folder as the name") << document << ".." << QStringList() << "Untitled";
        QTest::newRow("the folder itself as the name") << document << "." << QStringList() << "Untitled";
        QTest::newRow("no name") << FreeFileName::Pdf << QString() << QStringList() << "Untitled.pdf";
        QTest::newRow("pdf of a dotted name") << FreeFileName::Pdf << dotted << QStringList() << "report.v1.2.pdf";
        QTest::newRow("pdf taken twice") << FreeFileName::Pdf << dotted
                                         << QStringList{"report.v1.2.pdf", "report.v1.2_copy_1.pdf"}
                                         << "report.v1.2_copy_2.pdf";
        QTest::newRow("pdf of a pdf") << FreeFileName::Pdf << "Contract.pdf" << QStringList() << "Contract.pdf";
        QTest::newRow("pdf without a dot") << FreeFileName::Pdf << "notes" << QStringList() << "notes.pdf";
        QTest::newRow("archive") << FreeFileName::Archive << "Projects" << QStringList() << "Projects.zip";
        QTest::newRow("archive taken") << FreeFileName::Archive << "Projects" << QStringList{"Projects.zip"}
                                       << "Projects(1).zip";
        QTest::newRow("archive doubly taken") << FreeFileName::Archive << "v1.2" << QStringList{"v1.2.zip", "v1.2(1).zip"}
                                              << "v1.2(2).zip";
    }

    void freeNames()
    {
        QFETCH(FreeFileName::Kind, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &file : existing) {
            if (file.endsWith(QLatin1Char('@')))
                QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")), folder.filePath(file.chopped(1))));
            else
                QVERIFY(TestEnvironment::writeFile(folder.filePath(file), "x"));
        }
        // A trailing slash of the folder makes no double slash.
        QCOMPARE(FreeFileName(kind, folder.path() + QLatin1Char('/'), name).firstFree(), folder.filePath(expected));
    }

    // A name taken just before the store moves on to the next; a store that
    // fails otherwise ends the placing.
    void place_data()
    {
        QTest::addColumn<bool>("takenMeanwhile");
        QTest::newRow("taken meanwhile") << true;
        QTest::newRow("store fails") << false;
    }

    void place()
    {
        QFETCH(bool, takenMeanwhile);
        QTemporaryDir folder;
        QStringList tried;
        const QString placed = FreeFileName(FreeFileName::Archive, folder.path(), QStringLiteral("A")).place([&](const QString &name) {
            tried << QFileInfo(name).fileName();
            if (tried.size() == 1) {
                if (takenMeanwhile)
                    TestEnvironment::writeFile(name, "theirs");
                return false;
            }
            return TestEnvironment::writeFile(name, "ours");
        });
        QCOMPARE(tried, (takenMeanwhile ? QStringList{"A.zip", "A(1).zip"} : QStringList{"A.zip"}));
        QCOMPARE(placed, takenMeanwhile ? folder.filePath(QStringLiteral("A(1).zip")) : QString());
        QCOMPARE(TestEnvironment::readFile(folder.filePath(QStringLiteral("A.zip"))),
                 takenMeanwhile ? QByteArray("theirs") : QByteArray());
    }

    void blockCopyKeepsTheBytesAndLeavesNoHelperFile()
    {
        QTemporaryDir source;
        QTemporaryDir folder;
        const QByteArray bytes = pattern(int(3 * BlockFileCopy::s_blockSize + 123));
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, bytes));
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QStringLiteral("doc.pdf")), "older"));

        const QString copied = BlockFileCopy::copy(tmp, FreeFileName(FreeFileName::Pdf, folder.path(), QStringLiteral("doc.docx")));
        QCOMPARE(copied, folder.filePath(QStringLiteral("doc_copy_1.pdf")));
        QCOMPARE(TestEnvironment::readFile(copied), bytes);
        QCOMPARE(TestEnvironment::readFile(folder.filePath(QStringLiteral("doc.pdf"))), QByteArray("older"));
        QCOMPARE(TransferFixture::entries(folder.path()), (QStringList{"doc.pdf", "doc_copy_1.pdf"}));
    }

    void blockCopyWriteFailureLeavesNothing()
    {
        QTemporaryDir source;
        QTemporaryDir folder;
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, pattern(int(4 * BlockFileCopy::s_blockSize))));
        QString copied = QStringLiteral("not run");
        {
            // The disk "fills up" after the second block.
            const FileSizeLimit limit(2 * BlockFileCopy::s_blockSize + 100);
            QVERIFY(limit.isActive());
            copied = BlockFileCopy::copy(tmp, FreeFileName(FreeFileName::Pdf, folder.path(), QStringLiteral("d.docx")));
        }
        QCOMPARE(copied, QString());
        QCOMPARE(TransferFixture::entries(folder.path()), QStringList());
        QVERIFY(QFile::exists(tmp));
    }

    void blockCopyIntoAnUnusableFolder()
    {
        QTemporaryDir source;
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, "%PDF-1.4"));
        // A folder below a plain file cannot exist, whoever runs the test.
        const QString folder = source.filePath(QStringLiteral("download/documents"));
        QCOMPARE(BlockFileCopy::copy(tmp, FreeFileName(FreeFileName::Pdf, folder, QStringLiteral("a.docx"))), QString());
        QCOMPARE(BlockFileCopy::copy(source.filePath(QStringLiteral("missing")),
                                     FreeFileName(FreeFileName::Pdf, source.path(), QStringLiteral("a.docx"))),
                 QString());
        QCOMPARE(TransferFixture::entries(source.path()), QStringList{"download"});
    }
};

VELLIX_TEST_MAIN(TestTransferWorkers, QCoreApplication)
#include "tst_transferworkers.moc"
