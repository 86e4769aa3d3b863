#include "privatesessionbus.h"
#include "testenvironment.h"
#include "workers/downloadfileworker.h"
#include "workers/downloadpdfworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {
bool sameDevice(const QString &a, const QString &b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(qPrintable(a), &first) == 0 && ::stat(qPrintable(b), &second) == 0 && first.st_dev == second.st_dev;
}
} // namespace

// A finished download is put in place off the main thread: the result handler
// returns at once, runs no other handler meanwhile, and the outcome follows.
class TestDownloadPlacement : public QObject
{
    Q_OBJECT
private:
    PrivateSessionBus m_bus;

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
    }

    void handlerLeavesTheFileToAPoolThread_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("placed");
        const QString otherFileSystem = QStringLiteral("/dev/shm");
        for (const bool pdf : {false, true}) {
            const char *kind = pdf ? "pdf" : "file";
            const QString name = pdf ? QStringLiteral("report.pdf") : QStringLiteral("report.docx");
            QTest::addRow("%s, same file system", kind) << pdf << QDir::tempPath() << name;
            if (QDir(otherFileSystem).exists() && !sameDevice(otherFileSystem, QDir::tempPath()))
                QTest::addRow("%s, other file system", kind) << pdf << otherFileSystem << name;
        }
    }

    void handlerLeavesTheFileToAPoolThread()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, base);
        QFETCH(QString, placed);
        QTemporaryDir downloads;
        QTemporaryDir target(base + QStringLiteral("/vellix-placement-XXXXXX"));
        QVERIFY(downloads.isValid() && target.isValid());
        const QString download = downloads.filePath(QStringLiteral("download.tmp"));
        QByteArray bytes(3 * 65536 + 5, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i % 251);
        QFile file(download);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

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
        QFile copy(target.filePath(placed));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        QVERIFY(!QFile::exists(download));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden), QStringList{placed});
    }
};

VELLIX_TEST_MAIN(TestDownloadPlacement, QCoreApplication)
#include "tst_downloadplacement.moc"
