#include "filesizelimit.h"
#include "testenvironment.h"
#include "workers/blockfilecopy.h"
#include "workers/freefilename.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(FreeFileName::Kind)

namespace {

QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

// Every entry of the folder, hidden ones included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestTransferFileNames : public QObject
{
    Q_OBJECT
private slots:
    void candidates_data()
    {
        QTest::addColumn<FreeFileName::Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");

        const QString dotted = QStringLiteral("report.v1.2.docx");
        QTest::newRow("free") << FreeFileName::Document << dotted << QStringList() << dotted;
        QTest::newRow("dots kept when taken") << FreeFileName::Document << dotted << QStringList{dotted}
                                              << QStringLiteral("report.v1.2_copy_1.docx");
        QTest::newRow("doubly taken") << FreeFileName::Document << dotted
                                      << QStringList{dotted, QStringLiteral("report.v1.2_copy_1.docx")}
                                      << QStringLiteral("report.v1.2_copy_2.docx");
        QTest::newRow("only the numbered name taken")
            << FreeFileName::Document << dotted << QStringList{QStringLiteral("report.v1.2_copy_1.docx")} << dotted;
        QTest::newRow("no dot, taken") << FreeFileName::Document << QStringLiteral("README")
                                       << QStringList{QStringLiteral("README")} << QStringLiteral("README_copy_1");
        QTest::newRow("percent marks in the name")
            << FreeFileName::Document << QStringLiteral("50%2 %1.txt") << QStringList{QStringLiteral("50%2 %1.txt")}
            << QStringLiteral("50%2 %1_copy_1.txt");
        QTest::newRow("slash stays inside the folder")
            << FreeFileName::Document << QStringLiteral("../escape.txt") << QStringList()
            << QStringLiteral(".._escape.txt");
        QTest::newRow("parent folder as the name") << FreeFileName::Document << QStringLiteral("..") << QStringList()
                                                   << QStringLiteral("Untitled");
        QTest::newRow("the folder itself as the name") << FreeFileName::Document << QStringLiteral(".")
                                                       << QStringList() << QStringLiteral("Untitled");
        QTest::newRow("no name") << FreeFileName::Pdf << QString() << QStringList() << QStringLiteral("Untitled.pdf");

        QTest::newRow("pdf of a dotted name") << FreeFileName::Pdf << dotted << QStringList()
                                              << QStringLiteral("report.v1.2.pdf");
        QTest::newRow("pdf taken twice") << FreeFileName::Pdf << dotted
                                         << QStringList{QStringLiteral("report.v1.2.pdf"),
                                                        QStringLiteral("report.v1.2_copy_1.pdf")}
                                         << QStringLiteral("report.v1.2_copy_2.pdf");
        QTest::newRow("pdf of a pdf") << FreeFileName::Pdf << QStringLiteral("Contract.pdf") << QStringList()
                                      << QStringLiteral("Contract.pdf");
        QTest::newRow("pdf without a dot") << FreeFileName::Pdf << QStringLiteral("notes") << QStringList()
                                           << QStringLiteral("notes.pdf");

        QTest::newRow("archive") << FreeFileName::Archive << QStringLiteral("Projects") << QStringList()
                                 << QStringLiteral("Projects.zip");
        QTest::newRow("archive taken") << FreeFileName::Archive << QStringLiteral("Projects")
                                       << QStringList{QStringLiteral("Projects.zip")}
                                       << QStringLiteral("Projects(1).zip");
        QTest::newRow("archive doubly taken")
            << FreeFileName::Archive << QStringLiteral("v1.2")
            << QStringList{QStringLiteral("v1.2.zip"), QStringLiteral("v1.2(1).zip")} << QStringLiteral("v1.2(2).zip");
    }

    void candidates()
    {
        QFETCH(FreeFileName::Kind, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &file : existing)
            QVERIFY(TestEnvironment::writeFile(folder.filePath(file), "x"));
        // A trailing slash of the folder makes no double slash.
        const FreeFileName target(kind, folder.path() + QLatin1Char('/'), name);
        QCOMPARE(target.firstFree(), folder.filePath(expected));
    }

    void danglingLinkCountsAsTaken()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone")), folder.filePath(QStringLiteral("a.txt"))));
        QCOMPARE(FreeFileName(FreeFileName::Document, folder.path(), QStringLiteral("a.txt")).firstFree(),
                 folder.filePath(QStringLiteral("a_copy_1.txt")));
    }

    void placeMovesOnWhenTheNameIsTakenMeanwhile()
    {
        QTemporaryDir folder;
        const FreeFileName target(FreeFileName::Archive, folder.path(), QStringLiteral("A"));
        QStringList tried;
        const QString placed = target.place([&](const QString &name) {
            tried << QFileInfo(name).fileName();
            // Someone else takes the first name just before us.
            if (tried.size() == 1) {
                TestEnvironment::writeFile(name, "theirs");
                return false;
            }
            return TestEnvironment::writeFile(name, "ours");
        });
        QCOMPARE(tried, (QStringList{QStringLiteral("A.zip"), QStringLiteral("A(1).zip")}));
        QCOMPARE(placed, folder.filePath(QStringLiteral("A(1).zip")));
        QCOMPARE(TestEnvironment::readFile(folder.filePath(QStringLiteral("A.zip"))), QByteArray("theirs"));
    }

    void placeReportsAFailedStore()
    {
        QTemporaryDir folder;
        int calls = 0;
        const FreeFileName target(FreeFileName::Document, folder.path(), QStringLiteral("a.txt"));
        QCOMPARE(target.place([&](const QString &) {
                     ++calls;
                     return false;
                 }),
                 QString());
        QCOMPARE(calls, 1);
    }

    void blockCopyKeepsTheBytesAndLeavesNoHelperFile()
    {
        QTemporaryDir source;
        QTemporaryDir folder;
        const QByteArray bytes = pattern(int(3 * BlockFileCopy::s_blockSize + 123));
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, bytes));
        QVERIFY(TestEnvironment::writeFile(folder.filePath(QStringLiteral("doc.pdf")), "older"));

        const FreeFileName target(FreeFileName::Pdf, folder.path(), QStringLiteral("doc.docx"));
        const QString copied = BlockFileCopy::copy(tmp, target);
        QCOMPARE(copied, folder.filePath(QStringLiteral("doc_copy_1.pdf")));
        QCOMPARE(TestEnvironment::readFile(copied), bytes);
        QCOMPARE(TestEnvironment::readFile(folder.filePath(QStringLiteral("doc.pdf"))), QByteArray("older"));
        QCOMPARE(entries(folder.path()), (QStringList{QStringLiteral("doc.pdf"), QStringLiteral("doc_copy_1.pdf")}));
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
        QCOMPARE(entries(folder.path()), QStringList());
        QVERIFY(QFile::exists(tmp));
    }

    void blockCopyIntoAnUnusableFolder()
    {
        QTemporaryDir source;
        const QString tmp = source.filePath(QStringLiteral("download"));
        QVERIFY(TestEnvironment::writeFile(tmp, "%PDF-1.4"));
        // A folder below a plain file cannot exist, whoever runs the test.
        const QString folder = source.filePath(QStringLiteral("download/documents"));
        QCOMPARE(BlockFileCopy::copy(tmp, FreeFileName(FreeFileName::Pdf, folder, QStringLiteral("a.docx"))),
                 QString());
        QCOMPARE(BlockFileCopy::copy(source.filePath(QStringLiteral("missing")),
                                     FreeFileName(FreeFileName::Pdf, source.path(), QStringLiteral("a.docx"))),
                 QString());
        QCOMPARE(entries(source.path()), QStringList{QStringLiteral("download")});
    }
};

VELLIX_TEST_MAIN(TestTransferFileNames, QCoreApplication)
#include "tst_transferworkers_names.moc"
