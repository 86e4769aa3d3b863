#include "controllers/creationpagecontroller.h"
#include "controllers/fileactionscontroller.h"
#include "controllers/folderactionscontroller.h"
#include "models/transferlistmodel.h"
#include "portalrefusal.h"
#include "testenvironment.h"
#include "transferfixture.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QJsonArray>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

struct Pages
{
    FileActionsController file;
    FolderActionsController folder;
    CreationPageController creation;
    QString target;
    QString localFile;
};

using Start = std::function<void(Pages &)>;

struct Row
{
    QString name;
    int direction;
    qint64 done;
    qint64 total;
    int state;
    QString error;
    QString path;
};

Row rowAt(int row)
{
    TransferListModel *list = TransferListModel::instance();
    const QModelIndex index = list->index(row);
    return {index.data(TransferListModel::NameRole).toString(), index.data(TransferListModel::DirectionRole).toInt(),
            index.data(TransferListModel::BytesDoneRole).toLongLong(),
            index.data(TransferListModel::BytesTotalRole).toLongLong(), index.data(TransferListModel::StateRole).toInt(),
            index.data(TransferListModel::ErrorTextRole).toString(), index.data(TransferListModel::FilePathRole).toString()};
}

bool ended(int row)
{
    const int state = rowAt(row).state;
    return state == TransferListModel::Finished || state == TransferListModel::Failed;
}

} // namespace

Q_DECLARE_METATYPE(Start)

class TestTransferListModel : public QObject
{
    Q_OBJECT

private:
    TransferFixture m_fixture;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    void prepare(Pages &pages)
    {
        pages.target = m_fixture.targetFolder();
        pages.localFile = pages.target + QStringLiteral("/report.bin");
        for (ConnectionController *controller :
             std::initializer_list<ConnectionController *>{&pages.file, &pages.folder, &pages.creation})
            controller->setDao(&m_fixture.dao());
        pages.file.setFolderType(DirectoryType::MyDocuments);
        pages.folder.setFolderType(DirectoryType::MyDocuments);
    }

    int portalDocumentId(const QString &name)
    {
        for (const QJsonValue &document : m_fixture.simulator().state().value(QStringLiteral("documents")).toArray()) {
            if (document.toObject().value(QStringLiteral("Name")).toString() == name)
                return document.toObject().value(QStringLiteral("Id")).toInt();
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
        m_tester = std::make_unique<QAbstractItemModelTester>(TransferListModel::instance(),
                                                              QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
        QVERIFY(m_fixture.simulator().setTaskSteps(1));
        TransferListModel::instance()->setEndedRowLifetime(TransferListModel::s_defaultEndedRowLifetimeMs);
        TransferListModel::instance()->clearEnded();
        QCOMPARE(TransferListModel::instance()->rowCount(), 0);
    }

    void oneRowPerTransfer_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("succeeds");
        const int download = TransferListModel::Download;
        const int upload = TransferListModel::Upload;
        const Start file = [](Pages &p) { p.file.downloadTo(1005, p.target, QStringLiteral("Notes.txt")); };
        const Start archive = [](Pages &p) { p.folder.downloadFolderAsArchive(114, QStringLiteral("Photos"), p.target); };
        const Start send = [](Pages &p) {
            QVERIFY(TestEnvironment::writeFile(p.localFile, "quarterly figures"));
            p.creation.uploadDocument(p.localFile, 100);
        };
        QTest::newRow("file") << file << QString() << "Notes.txt" << download << true;
        QTest::newRow("file refused") << file << "/api/v1/Documents/Download" << "Notes.txt" << download << false;
        QTest::newRow("archive") << archive << QString() << "Photos" << download << true;
        QTest::newRow("archive refused") << archive << "/api/v1/UserTask/Download" << "Photos" << download << false;
        QTest::newRow("upload") << send << QString() << "report.bin" << upload << true;
        QTest::newRow("upload refused") << send << "/api/v1/Documents/Upload" << "report.bin" << upload << false;
    }

    void oneRowPerTransfer()
    {
        QFETCH(Start, start);
        QFETCH(QString, fault);
        QFETCH(QString, name);
        QFETCH(int, direction);
        QFETCH(bool, succeeds);
        if (!fault.isEmpty())
            QVERIFY(m_fixture.simulator().setFault(fault, PortalRefusal::fault()));
        Pages pages;
        prepare(pages);
        start(pages);
        QCOMPARE(TransferListModel::instance()->rowCount(), 1);
        QCOMPARE(rowAt(0).name, name);
        QCOMPARE(rowAt(0).direction, direction);
        QTRY_VERIFY_WITH_TIMEOUT(ended(0), 20000);
        const Row row = rowAt(0);
        QCOMPARE(row.state, int(succeeds ? TransferListModel::Finished : TransferListModel::Failed));
        QCOMPARE(row.error.isEmpty(), succeeds);
        if (succeeds)
            QVERIFY(row.done > 0 && row.done == row.total);
        // A saved download names its file, so that the panel can open it.
        if (succeeds && direction == TransferListModel::Download)
            QVERIFY2(row.path.startsWith(pages.target) && QFile::exists(row.path), qPrintable(row.path));
        else
            QCOMPARE(row.path, QString());
    }

    // Several MiB up and down again: each bar only rises, and ends at the total.
    void progressRisesToTheTotal()
    {
        Pages pages;
        prepare(pages);
        QByteArray bytes(6 * 1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((unsigned(i) * 7919u) >> 5);
        QVERIFY(TestEnvironment::writeFile(pages.localFile, bytes));
        QList<Row> seen;
        QObject recording;
        connect(TransferListModel::instance(), &QAbstractItemModel::dataChanged, &recording,
                [&seen](const QModelIndex &topLeft) { seen.append(rowAt(topLeft.row())); });

        pages.creation.uploadDocument(pages.localFile, 100);
        QTRY_VERIFY_WITH_TIMEOUT(ended(0), 60000);
        const int id = portalDocumentId(QStringLiteral("report.bin"));
        QVERIFY(id > 0);
        // The portal sends the document in pieces, so the bar has steps between empty and full.
        QVERIFY(m_fixture.simulator().setFault(QStringLiteral("/api/v1/Documents/Download"),
                                               {{QStringLiteral("mode"), QStringLiteral("paced")},
                                                {QStringLiteral("chunkBytes"), 1024 * 1024},
                                                {QStringLiteral("delayMs"), 30}}));
        pages.file.downloadTo(id, pages.target, QStringLiteral("copy.bin"));
        QTRY_VERIFY_WITH_TIMEOUT(ended(1), 60000);

        for (int direction : {int(TransferListModel::Upload), int(TransferListModel::Download)}) {
            qint64 done = 0;
            Row last{};
            for (const Row &row : qAsConst(seen)) {
                if (row.direction != direction)
                    continue;
                QVERIFY2(row.done >= done, "a bar went back");
                done = row.done;
                last = row;
            }
            QCOMPARE(last.state, int(TransferListModel::Finished));
            QCOMPARE(last.done, last.total);
            QVERIFY(last.total >= bytes.size());
        }
        QCOMPARE(rowAt(1).total, qint64(bytes.size()));
        QVERIFY(std::any_of(seen.cbegin(), seen.cend(), [](const Row &row) {
            return row.direction == TransferListModel::Download && row.state == TransferListModel::Running
                && row.done > 0 && row.done < row.total;
        }));
        QCOMPARE(TestEnvironment::readFile(pages.target + QStringLiteral("/copy.bin")), bytes);
    }

    void endedRowsGo()
    {
        Pages pages;
        prepare(pages);
        TransferListModel::instance()->setEndedRowLifetime(50);
        pages.file.downloadTo(1005, pages.target, QStringLiteral("Notes.txt"));
        QCOMPARE(TransferListModel::instance()->rowCount(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(TransferListModel::instance()->rowCount(), 0, 20000);
    }
};

VELLIX_TEST_MAIN(TestTransferListModel, QCoreApplication)
#include "tst_transferlistmodel.moc"
