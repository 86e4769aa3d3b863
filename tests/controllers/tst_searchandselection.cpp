#include "app/coreinit.h"
#include "controllers/remotesearchpagecontroller.h"
#include "controllers/remoteselectpagecontroller.h"
#include "loadingfixture.h"
#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QtTest>

namespace {
QStringList names(const QAbstractItemModel &model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown.append(model.index(row, 0).data(RemoteEntitiesModel::NameRole).toString());
    shown.sort();
    return shown;
}

// "id:name:size" words; a size below 0 makes a folder.
QList<FolderElementEntity> entities(const QString &text)
{
    QList<FolderElementEntity> list;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        FolderElementEntity entity;
        entity.id = word.section(QLatin1Char(':'), 0, 0).toInt();
        entity.name = word.section(QLatin1Char(':'), 1, 1);
        entity.size = word.section(QLatin1Char(':'), 2, 2).toInt();
        entity.isFile = entity.size >= 0;
        list.append(entity);
    }
    return list;
}
} // namespace

class TestSearchAndSelection : public QObject
{
    Q_OBJECT

private:
    int searchRequests();
    // Waits until a search has started and ended.
    static bool searched(QSignalSpy &progress)
    {
        return QTest::qWaitFor([&progress] { return progress.count() >= 2; }, 15000);
    }

    LoadingFixture m_fixture;

private slots:
    void initTestCase();
    void typingStartsOneSearch();
    void staleAnswersAreDropped_data();
    void staleAnswersAreDropped();
    void escapeRegExp_data();
    void escapeRegExp();
    void selection_data();
    void selection();
};

void TestSearchAndSelection::initTestCase()
{
    CoreInit::registerTypes();
    QVERIFY(m_fixture.start());
}

int TestSearchAndSelection::searchRequests()
{
    return m_fixture.receivedRequests().filter(PortalPath::s_search).size();
}

void TestSearchAndSelection::typingStartsOneSearch()
{
    QVERIFY(m_fixture.simulator().clearRequests());
    RemoteSearchPageController page;
    QAbstractItemModelTester tester(page.entitiesModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy progress(&page, &ConnectionController::connectionInProgressChanged);
    for (const char *text : {"r", "re", "report"}) {
        page.performSearch(QString::fromLatin1(text));
        QTest::qWait(100);
    }
    QVERIFY(searched(progress));
    QCOMPARE(searchRequests(), 1);
    QCOMPARE(names(*page.entitiesModel()),
             QStringList({"Q1 report.docx", "Q1 report.pdf", "Reports"}));
    // Every result lies below My documents.
    QVERIFY(page.getFolderPath(0).contains(100));
    QCOMPARE(page.getFolderNames(0).size(), page.getFolderPath(0).size());
}

void TestSearchAndSelection::staleAnswersAreDropped_data()
{
    QTest::addColumn<QString>("next");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("field cleared") << "" << QStringList();
    QTest::newRow("typed on") << "Budget" << QStringList({"Budget 2024.xlsx"});
}

void TestSearchAndSelection::staleAnswersAreDropped()
{
    QFETCH(QString, next);
    QFETCH(QStringList, shown);
    // The first answer comes while the user is still typing the next query.
    QVERIFY(m_fixture.fail(PortalPath::s_search, {{QStringLiteral("mode"), QStringLiteral("delay")},
                                                  {QStringLiteral("delayMs"), 400},
                                                  {QStringLiteral("count"), 1}}));
    RemoteSearchPageController page;
    QAbstractItemModelTester tester(page.entitiesModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    page.performSearch(QStringLiteral("Welcome"));
    QTRY_VERIFY_WITH_TIMEOUT(page.connectionInProgress(), 5000);
    page.performSearch(next.left(1));
    QCOMPARE(page.entitiesModel()->rowCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!page.connectionInProgress(), 15000);
    QCOMPARE(page.entitiesModel()->rowCount(), 0);
    QSignalSpy progress(&page, &ConnectionController::connectionInProgressChanged);
    page.performSearch(next);
    if (!next.isEmpty())
        QVERIFY(searched(progress));
    QCOMPARE(names(*page.entitiesModel()), shown);
    QVERIFY(m_fixture.simulator().clearFaults());
}

void TestSearchAndSelection::escapeRegExp_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "Report";
    QTest::newRow("every special character") << "-[]{}()*+?.,\\^$|#";
    QTest::newRow("white space") << "a b\tc";
    QTest::newRow("file name") << "R&D #1 100% + plan (draft).txt";
}

// The escaped text matches itself and nothing else.
void TestSearchAndSelection::escapeRegExp()
{
    QFETCH(QString, text);
    const QRegularExpression expression(
        QRegularExpression::anchoredPattern(RemoteSearchPageController().escapeRegExp(text)));
    QVERIFY2(expression.isValid(), qPrintable(expression.errorString()));
    QVERIFY(expression.match(text).hasMatch());
    QVERIFY(!expression.match(text + QLatin1Char('x')).hasMatch());
    QVERIFY(!expression.match(QString(text.size(), QLatin1Char('x'))).hasMatch());
}

void TestSearchAndSelection::selection_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QList<int>>("select");
    QTest::addColumn<QString>("refreshed");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("hasEmptyFile");
    QTest::newRow("zero-byte file") << "1:a:0 2:b:5" << QList<int>{1} << "" << 1 << true;
    QTest::newRow("empty folder is not an empty file") << "1:a:-1 2:b:5" << QList<int>{1, 2} << "" << 2 << false;
    QTest::newRow("selected empty file removed") << "1:a:0 2:b:5 3:c:7" << QList<int>{1} << "2:b:5 3:c:7" << 0 << false;
    QTest::newRow("selected rows replaced") << "1:a:0 2:b:5 3:c:1" << QList<int>{1, 3} << "1:a:0 2:b:5 3:c:1" << 0
                                            << false;
}

void TestSearchAndSelection::selection()
{
    QFETCH(QString, rows);
    QFETCH(QList<int>, select);
    QFETCH(QString, refreshed);
    QFETCH(int, count);
    QFETCH(bool, hasEmptyFile);
    RemoteEntitiesModel model;
    RemoteSortFilterModel proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setEntitiesData(entities(rows));
    RemoteSelectPageController page;
    page.setEntitiesModel(&proxy);
    for (const int id : select) {
        for (int row = 0; row < proxy.rowCount(); ++row) {
            if (proxy.index(row, 0).data(RemoteEntitiesModel::IdRole).toInt() == id)
                page.reverseSelection(row);
        }
    }
    QCOMPARE(page.getSelected().size(), select.size());
    // A refresh replaces the rows under the selection.
    if (!refreshed.isEmpty())
        model.setEntitiesData(entities(refreshed));
    QCOMPARE(page.selectedCount(), count);
    QCOMPARE(page.hasEmptyFile(), hasEmptyFile);
    QCOMPARE(page.getSelectedFileIds().size() + page.getSelectedFolderIds().size(), count);

    page.selectAll();
    QCOMPARE(page.selectedCount(), proxy.rowCount());
    QCOMPARE(page.getSelectedFileNames().size() + page.getSelectedFolderNames().size(), proxy.rowCount());
    page.deselectAll();
    QCOMPARE(page.selectedCount(), 0);
    QCOMPARE(page.hasEmptyFile(), false);
}

VELLIX_TEST_MAIN(TestSearchAndSelection, QCoreApplication)
#include "tst_searchandselection.moc"
