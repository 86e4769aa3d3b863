#include "localfiles/localfilesmodel.h"
#include "localfiles/localfilessortfiltermodel.h"
#include "localfiles/localpagecontroller.h"
#include "models/sortingoptions.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestLocalFilesModel : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<LocalFilesModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    QString documents() const { return m_root->path() + QStringLiteral("/documents"); }
    QString trash() const { return m_root->path() + QStringLiteral("/trash"); }

    static void write(const QString &path, const QByteArray &bytes = "x", qint64 ageSeconds = 0)
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        file.write(bytes);
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
    }

    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QStringList column(const QAbstractItemModel &model, int role) const
    {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row)
            values.append(model.index(row, 0).data(role).toString());
        return values;
    }

    void showFolder(const QString &folder)
    {
        m_model->setRootPath(m_root->path());
        m_model->setDirectoryPath(folder);
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(documents()) && QDir().mkpath(trash()));
        m_model = std::make_unique<LocalFilesModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    void trashTagsTheNameAndTheListHidesTheTag()
    {
        write(documents() + QStringLiteral("/report.docx"));
        showFolder(trash());
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        m_model->moveFileToTrash(documents() + QStringLiteral("/report.docx"));
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        const QStringList trashed = entries(trash());
        QCOMPARE(trashed.size(), 1);
        const QRegularExpressionMatch tag =
            QRegularExpression(QStringLiteral("^\\[trash(\\d+)\\]report\\.docx$")).match(trashed.first());
        QVERIFY2(tag.hasMatch(), qPrintable(trashed.first()));
        QVERIFY(tag.captured(1).toLongLong() >= before && tag.captured(1).toLongLong() <= after);
        QCOMPARE(column(*m_model, LocalFilesModel::NameRole), QStringList{QStringLiteral("report.docx")});
        QCOMPARE(column(*m_model, LocalFilesModel::PathRole), QStringList{trash() + QLatin1Char('/') + trashed.first()});
        QVERIFY(entries(documents()).isEmpty());
    }

    void restoreNeverOverwrites_data()
    {
        QTest::addColumn<QString>("trashed");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("restored");
        const QString report = QStringLiteral("report.docx");
        const QString report1 = QStringLiteral("report_restore_1.docx");
        QTest::newRow("free name") << QStringLiteral("[trash1700000000000]report.docx") << QStringList() << report;
        QTest::newRow("name taken") << QStringLiteral("[trash1700000000000]report.docx") << QStringList{report} << report1;
        QTest::newRow("numbered name taken") << QStringLiteral("[trash1700000000000]report.docx") << QStringList{report, report1}
                                             << QStringLiteral("report_restore_2.docx");
        QTest::newRow("number goes on") << QStringLiteral("[trash1]report_restore_2.docx") << QStringList{report}
                                        << QStringLiteral("report_restore_3.docx");
        QTest::newRow("number dropped when free") << QStringLiteral("[trash1]report_restore_2.docx") << QStringList() << report;
        QTest::newRow("several dots") << QStringLiteral("[trash1]a.b.c") << QStringList{QStringLiteral("a.b.c")} << QStringLiteral("a_restore_1.b.c");
        QTest::newRow("no dot") << QStringLiteral("[trash1]README") << QStringList() << QStringLiteral("README");
        QTest::newRow("no dot, taken") << QStringLiteral("[trash1]README") << QStringList{QStringLiteral("README")} << QStringLiteral("README_restore_1");
    }

    void restoreNeverOverwrites()
    {
        QFETCH(QString, trashed);
        QFETCH(QStringList, present);
        QFETCH(QString, restored);
        for (const QString &name : present)
            write(documents() + QLatin1Char('/') + name, "kept");
        write(trash() + QLatin1Char('/') + trashed, "restored");
        showFolder(documents());
        m_model->restoreFile(trash() + QLatin1Char('/') + trashed);
        QVERIFY(entries(trash()).isEmpty());
        QCOMPARE(entries(documents()).size(), present.size() + 1);
        QFile file(documents() + QLatin1Char('/') + restored);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(entries(documents()).join(QLatin1Char(' '))));
        QCOMPARE(file.readAll(), QByteArray("restored"));
        QVERIFY(column(*m_model, LocalFilesModel::NameRole).contains(restored));
    }

    void operationsStayInsideTheContainer_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("open");
        QTest::newRow("trash a file outside") << QStringLiteral("trash") << QStringLiteral("outside.txt") << true;
        QTest::newRow("trash through ..") << QStringLiteral("trash") << QStringLiteral("documents/../outside.txt") << true;
        QTest::newRow("trash a link leading out") << QStringLiteral("trash") << QStringLiteral("documents/link.txt") << true;
        QTest::newRow("restore a document") << QStringLiteral("restore") << QStringLiteral("documents/kept.txt") << true;
        QTest::newRow("restore a file outside") << QStringLiteral("restore") << QStringLiteral("outside.txt") << true;
        QTest::newRow("remove a file outside") << QStringLiteral("remove") << QStringLiteral("outside.txt") << true;
        QTest::newRow("remove through ..") << QStringLiteral("remove") << QStringLiteral("trash/../outside.txt") << true;
        QTest::newRow("trash without a container") << QStringLiteral("trash") << QStringLiteral("documents/kept.txt") << false;
        QTest::newRow("clear without a container") << QStringLiteral("clear") << QStringLiteral("trash/[trash1]old.txt") << false;
    }

    void operationsStayInsideTheContainer()
    {
        QFETCH(QString, operation);
        QFETCH(QString, path);
        QFETCH(bool, open);
        write(m_root->path() + QStringLiteral("/outside.txt"));
        write(documents() + QStringLiteral("/kept.txt"));
        write(trash() + QStringLiteral("/[trash1]old.txt"));
        QVERIFY(QFile::link(m_root->path() + QStringLiteral("/outside.txt"), documents() + QStringLiteral("/link.txt")));
        const QStringList before = entries(m_root->path()) + entries(documents()) + entries(trash());
        if (open)
            showFolder(documents());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
        const QString target = m_root->path() + QLatin1Char('/') + path;
        if (operation == QLatin1String("trash"))
            m_model->moveFileToTrash(target);
        else if (operation == QLatin1String("restore"))
            m_model->restoreFile(target);
        else if (operation == QLatin1String("remove"))
            m_model->removeFile(target);
        else
            m_model->clearTrash();
        QCOMPARE(entries(m_root->path()) + entries(documents()) + entries(trash()), before);
    }

    void clearTrashEmptiesOnlyTheTrash()
    {
        write(documents() + QStringLiteral("/kept.txt"));
        write(trash() + QStringLiteral("/[trash1]old.txt"));
        write(trash() + QStringLiteral("/[trash2].hidden"));
        showFolder(documents());
        m_model->clearTrash();
        QVERIFY(entries(trash()).isEmpty());
        QCOMPARE(column(*m_model, LocalFilesModel::NameRole), QStringList{QStringLiteral("kept.txt")});
        m_model->removeFile(documents() + QStringLiteral("/kept.txt"));
        QCOMPARE(m_model->rowCount(), 0);
    }

    void pollingFollowsTheFolder()
    {
        write(documents() + QStringLiteral("/a.txt"));
        write(documents() + QStringLiteral("/b.txt"));
        showFolder(documents());
        QCOMPARE(m_model->rowCount(), 2);
        QVERIFY(m_model->setData(m_model->index(1), true, LocalFilesModel::SelectedRole));
        QVERIFY(!m_model->setData(m_model->index(1), true, LocalFilesModel::SelectedRole));
        QVERIFY(!m_model->setData(m_model->index(1), QStringLiteral("x"), LocalFilesModel::NameRole));

        // A download lands, a file grows, another goes away: all without a reset.
        QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
        write(documents() + QStringLiteral("/downloaded.pdf"));
        QFile::remove(documents() + QStringLiteral("/a.txt"));
        write(documents() + QStringLiteral("/b.txt"), QByteArray(4096, 'b'));
        QTRY_COMPARE_WITH_TIMEOUT(column(*m_model, LocalFilesModel::NameRole),
                                  (QStringList{QStringLiteral("b.txt"), QStringLiteral("downloaded.pdf")}), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_model->index(0).data(LocalFilesModel::SizeRole).toLongLong(), qint64(4096), 10000);
        QCOMPARE(m_model->index(0).data(LocalFilesModel::SelectedRole).toBool(), true);
        QCOMPARE(resets.count(), 0);

        QFile::remove(documents() + QStringLiteral("/b.txt"));
        QFile::remove(documents() + QStringLiteral("/downloaded.pdf"));
        QTest::ignoreMessage(QtInfoMsg, "Reset model because new data is empty");
        m_model->updateFiles();
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(resets.count(), 1);
    }

    void proxySortsAndSelects()
    {
        write(documents() + QStringLiteral("/Beta.txt"), QByteArray(300, 'b'), 100);
        write(documents() + QStringLiteral("/alpha.txt"), QByteArray(200, 'a'), 10);
        write(documents() + QStringLiteral("/gamma.txt"), QByteArray(100, 'c'), 1000);
        showFolder(documents());
        LocalFilesSortFilterModel proxy;
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
        QCOMPARE(proxy.sortParameter(), int(SortingOptions::Date));
        proxy.setSourceModel(m_model.get());
        QCOMPARE(proxy.localFilesModel(), m_model.get());
        const QStringList byDate{QStringLiteral("gamma.txt"), QStringLiteral("Beta.txt"), QStringLiteral("alpha.txt")};
        const QStringList byName{QStringLiteral("alpha.txt"), QStringLiteral("Beta.txt"), QStringLiteral("gamma.txt")};
        QCOMPARE(column(proxy, LocalFilesModel::NameRole), byDate);
        proxy.setSortParameter(SortingOptions::Name);
        QCOMPARE(column(proxy, LocalFilesModel::NameRole), byName);
        proxy.setSortParameter(SortingOptions::Type);
        QCOMPARE(column(proxy, LocalFilesModel::NameRole), byName);
        proxy.setSortParameter(SortingOptions::Size);
        proxy.setOrder(Qt::DescendingOrder);
        QCOMPARE(column(proxy, LocalFilesModel::NameRole),
                 (QStringList{QStringLiteral("Beta.txt"), QStringLiteral("alpha.txt"), QStringLiteral("gamma.txt")}));

        LocalPageController controller;
        QVERIFY(proxy.setData(proxy.index(2, 0), true, LocalFilesModel::SelectedRole));
        QCOMPARE(controller.getHighlightedPaths(&proxy), QStringList{documents() + QStringLiteral("/gamma.txt")});
        controller.selectAll(&proxy);
        QCOMPARE(controller.getHighlightedPaths(&proxy).size(), 3);
        controller.clearSelect(&proxy);
        QVERIFY(controller.getHighlightedPaths(&proxy).isEmpty());
        QVERIFY(controller.getHighlightedPaths(nullptr).isEmpty());
    }
};

VELLIX_TEST_MAIN(TestLocalFilesModel, QCoreApplication)
#include "tst_localfilesmodel.moc"
