#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "models/sortingoptions.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

// Entities written as "id:name" with optional flags after a second colon:
// f file, v favorite, b busy, s shared, e.g. "4:report.docx:fv".
static QList<FolderElementEntity> entities(const QString &text)
{
    QList<FolderElementEntity> list;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        FolderElementEntity entity;
        entity.id = word.section(QLatin1Char(':'), 0, 0).toInt();
        entity.name = word.section(QLatin1Char(':'), 1, 1);
        const QString flags = word.section(QLatin1Char(':'), 2, 2);
        entity.isFile = flags.contains(QLatin1Char('f'));
        entity.isFavorite = flags.contains(QLatin1Char('v'));
        entity.busy = flags.contains(QLatin1Char('b'));
        entity.isShared = flags.contains(QLatin1Char('s'));
        entity.size = word.section(QLatin1Char(':'), 3, 3).toInt();
        entity.ownerId = word.section(QLatin1Char(':'), 4, 4).toInt();
        entity.timestamp = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).addSecs(entity.id);
        list.append(entity);
    }
    return list;
}

static QString names(const QAbstractItemModel &model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown.append(model.index(row, 0).data(RemoteEntitiesModel::NameRole).toString());
    return shown.join(QLatin1Char(' '));
}

static QString ranges(const QSignalSpy &spy)
{
    QStringList result;
    for (const QList<QVariant> &signal : spy)
        result.append(QStringLiteral("%1-%2").arg(signal.at(1).toInt()).arg(signal.at(2).toInt()));
    return result.join(QLatin1Char(' '));
}

// Whether every name of part appears in whole, in the same order.
static bool inOrderWithin(const QStringList &part, const QStringList &whole)
{
    int next = 0;
    for (const QString &name : part) {
        next = whole.indexOf(name, next) + 1;
        if (next == 0)
            return false;
    }
    return true;
}

// A page's list as a view sees it: the model behind its sorting proxy,
// watched by the model tester.
struct SortedView
{
    SortedView(int parameter = SortingOptions::Name, int order = Qt::AscendingOrder)
    {
        proxy.setSourceModel(&model);
        proxy.setSortParameter(parameter);
        proxy.setOrder(Qt::SortOrder(order));
    }
    RemoteEntitiesModel model;
    RemoteSortFilterModel proxy;
    QAbstractItemModelTester tester{&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

class TestRemoteEntitiesModel : public QObject
{
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void unchangedRowsKeepTheirIndexes();
    void roles_data();
    void roles();
    void selection();
    void lookups();
    void sorting_data();
    void sorting();
    void typeAndAuthorTiesStayInNameOrder_data();
    void typeAndAuthorTiesStayInNameOrder();
    void scatteredMergeSortsAsAFreshFill_data();
    void scatteredMergeSortsAsAFreshFill();
};

void TestRemoteEntitiesModel::merge_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("arriving");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("inserted");

    QTest::newRow("first fill") << "" << "1:a 2:b 3:c" << "a b c" << "" << "0-2";
    QTest::newRow("identical") << "1:a 2:b" << "1:a 2:b" << "a b" << "" << "";
    QTest::newRow("same rows in another order") << "1:a 2:b" << "2:b 1:a" << "a b" << "" << "";
    QTest::newRow("renamed goes and comes at the end") << "1:a 2:b 3:c" << "1:a 2:B 3:c" << "a c B" << "1-1" << "2-2";
    QTest::newRow("flag change") << "1:a 2:b:f 3:c" << "1:a 2:b:fv 3:c" << "a c b" << "1-1" << "2-2";
    QTest::newRow("adjacent vanished rows as one range") << "1:a 2:b 3:c 4:d 5:e" << "1:a 5:e" << "a e" << "1-3" << "";
    QTest::newRow("separate runs from the back") << "1:a 2:b 3:c 4:d 5:e" << "1:a 3:c 5:e" << "a c e" << "3-3 1-1"
                                                 << "";
    QTest::newRow("all gone") << "1:a 2:b" << "" << "" << "0-1" << "";
    QTest::newRow("added in arrival order") << "1:a" << "3:c 1:a 2:b" << "a c b" << "" << "1-2";
    QTest::newRow("owner and size do not count") << "1:a:f:10:7" << "1:a:f:99:8" << "a" << "" << "";
}

void TestRemoteEntitiesModel::merge()
{
    QFETCH(QString, shown);
    QFETCH(QString, arriving);
    QFETCH(QString, after);
    QFETCH(QString, removed);
    QFETCH(QString, inserted);

    RemoteEntitiesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setEntitiesData(entities(shown));
    QSignalSpy removedSpy(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy insertedSpy(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy resetSpy(&model, &QAbstractItemModel::modelReset);
    QSignalSpy structSpy(&model, &RemoteEntitiesModel::structChanged);

    model.setEntitiesData(entities(arriving));
    QCOMPARE(names(model), after);
    QCOMPARE(ranges(removedSpy), removed);
    QCOMPARE(ranges(insertedSpy), inserted);
    QCOMPARE(resetSpy.count(), 0);
    QCOMPARE(structSpy.count(), removed.isEmpty() && inserted.isEmpty() ? 0 : 1);
}

void TestRemoteEntitiesModel::unchangedRowsKeepTheirIndexes()
{
    SortedView view;
    RemoteEntitiesModel &model = view.model;
    RemoteSortFilterModel &proxy = view.proxy;
    model.setEntitiesData(entities("1:a 2:b 3:c 4:d:f 5:e:f"));
    const QPersistentModelIndex c = proxy.index(2, 0);
    const QPersistentModelIndex e = proxy.index(4, 0);
    model.setEntitiesData(entities("1:a 3:c 4:D:f 5:e:f 6:bb"));
    QCOMPARE(names(proxy), QStringLiteral("a bb c D e"));
    QVERIFY(c.isValid() && e.isValid());
    QCOMPARE(c.data(RemoteEntitiesModel::NameRole).toString(), QStringLiteral("c"));
    QCOMPARE(e.data(RemoteEntitiesModel::NameRole).toString(), QStringLiteral("e"));
}

void TestRemoteEntitiesModel::roles_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("type after the last dot") << "1:report.final.docx:f" << int(RemoteEntitiesModel::TypeRole)
                                             << QVariant(QStringLiteral("docx"));
    QTest::newRow("type of a name without dot") << "1:Makefile:f" << int(RemoteEntitiesModel::TypeRole)
                                                << QVariant(QStringLiteral("Makefile"));
    QTest::newRow("convertible") << "1:a.odt:f" << int(RemoteEntitiesModel::CanConvertToPdfRole) << QVariant(true);
    QTest::newRow("capital extension is not convertible")
        << "1:a.DOCX:f" << int(RemoteEntitiesModel::CanConvertToPdfRole) << QVariant(false);
    QTest::newRow("is_file") << "1:a:f" << int(RemoteEntitiesModel::ElementTypeRole) << QVariant(true);
    QTest::newRow("shared") << "1:a:s" << int(RemoteEntitiesModel::SharedRole) << QVariant(true);
    QTest::newRow("unknown role") << "1:a" << int(Qt::DisplayRole) << QVariant();
}

void TestRemoteEntitiesModel::roles()
{
    QFETCH(QString, entity);
    QFETCH(int, role);
    QFETCH(QVariant, value);
    RemoteEntitiesModel model;
    model.setEntitiesData(entities(entity));
    QCOMPARE(model.index(0, 0).data(role), value);
    QCOMPARE(model.roleNames().value(RemoteEntitiesModel::ElementTypeRole), QByteArray("is_file"));
}

void TestRemoteEntitiesModel::selection()
{
    SortedView view;
    RemoteEntitiesModel &model = view.model;
    RemoteSortFilterModel &proxy = view.proxy;
    model.setEntitiesData(entities("1:b:f 2:a:f"));
    QSignalSpy changed(&proxy, &QAbstractItemModel::dataChanged);
    const int selected = RemoteEntitiesModel::SelectedRole;
    QVERIFY(proxy.setData(proxy.index(0, 0), true, selected));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), proxy.index(0, 0));
    QCOMPARE(model.getEntity(1).selected, true);
    QVERIFY(!proxy.setData(proxy.index(0, 0), true, selected));
    QVERIFY(!proxy.setData(proxy.index(0, 0), QStringLiteral("x"), RemoteEntitiesModel::NameRole));
    QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("x"), Qt::EditRole));
    QCOMPARE(changed.count(), 1);
}

void TestRemoteEntitiesModel::lookups()
{
    RemoteEntitiesModel model;
    model.setEntitiesData(entities("1:a:f 2:b 3:c:f"));
    QCOMPARE(model.getEntity(5).id, -1);
    QCOMPARE(model.getEntity(-1).id, -1);
    QCOMPARE(model.getFiles().size(), 2);
    QCOMPARE(model.getFolders().first().name, QStringLiteral("b"));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
}

void TestRemoteEntitiesModel::sorting_data()
{
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("shown");
    // Folders of equal size keep the order they had.
    QTest::newRow("name ascending") << int(SortingOptions::Name) << int(Qt::AscendingOrder) << "y Z a.doc b.txt c.pdf";
    QTest::newRow("name descending") << int(SortingOptions::Name) << int(Qt::DescendingOrder)
                                     << "Z y c.pdf b.txt a.doc";
    QTest::newRow("size ascending") << int(SortingOptions::Size) << int(Qt::AscendingOrder) << "y Z c.pdf a.doc b.txt";
    QTest::newRow("size descending") << int(SortingOptions::Size) << int(Qt::DescendingOrder)
                                     << "y Z b.txt a.doc c.pdf";
    QTest::newRow("date descending") << int(SortingOptions::Date) << int(Qt::DescendingOrder)
                                     << "y Z c.pdf a.doc b.txt";
    QTest::newRow("type ascending") << int(SortingOptions::Type) << int(Qt::AscendingOrder)
                                    << "y Z a.doc c.pdf b.txt";
}

void TestRemoteEntitiesModel::sorting()
{
    QFETCH(int, parameter);
    QFETCH(int, order);
    QFETCH(QString, shown);
    SortedView view;
    RemoteEntitiesModel &model = view.model;
    RemoteSortFilterModel &proxy = view.proxy;
    model.setEntitiesData(entities(QStringLiteral("1:b.txt:f:30 2:Z 3:a.doc:f:20 4:c.pdf:f:10 5:y")));
    proxy.setProperty("sortParameter", parameter);
    proxy.setProperty("order", QVariant::fromValue(Qt::SortOrder(order)));
    QCOMPARE(names(proxy), shown);
}

void TestRemoteEntitiesModel::typeAndAuthorTiesStayInNameOrder_data()
{
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("shown");
    QTest::newRow("type ascending") << int(SortingOptions::Type) << int(Qt::AscendingOrder)
                                    << "a.doc d.doc e.doc b.txt c.txt";
    QTest::newRow("type descending") << int(SortingOptions::Type) << int(Qt::DescendingOrder)
                                     << "b.txt c.txt a.doc d.doc e.doc";
    QTest::newRow("author ascending") << int(SortingOptions::Author) << int(Qt::AscendingOrder)
                                      << "a.doc b.txt e.doc c.txt d.doc";
}

void TestRemoteEntitiesModel::typeAndAuthorTiesStayInNameOrder()
{
    QFETCH(int, parameter);
    QFETCH(int, order);
    QFETCH(QString, shown);
    SortedView view(parameter, order);
    RemoteEntitiesModel &model = view.model;
    RemoteSortFilterModel &proxy = view.proxy;
    // Rows come in an order unlike their names, in two merges.
    model.setEntitiesData(entities(QStringLiteral("5:e.doc:f:0:1 3:c.txt:f:0:2")));
    model.setEntitiesData(entities(QStringLiteral("5:e.doc:f:0:1 3:c.txt:f:0:2 4:d.doc:f:0:2 2:b.txt:f:0:1 "
                                                  "1:a.doc:f:0:1")));
    QCOMPARE(names(proxy), shown);
}

void TestRemoteEntitiesModel::scatteredMergeSortsAsAFreshFill_data()
{
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("order");
    QTest::newRow("name ascending") << int(SortingOptions::Name) << int(Qt::AscendingOrder);
    QTest::newRow("name descending") << int(SortingOptions::Name) << int(Qt::DescendingOrder);
    QTest::newRow("size ascending") << int(SortingOptions::Size) << int(Qt::AscendingOrder);
    QTest::newRow("date descending") << int(SortingOptions::Date) << int(Qt::DescendingOrder);
    QTest::newRow("type descending") << int(SortingOptions::Type) << int(Qt::DescendingOrder);
}

// Rows go in separate runs and come at many places of the view in one merge;
// the view then holds what a fresh fill would show, and kept rows stay valid.
void TestRemoteEntitiesModel::scatteredMergeSortsAsAFreshFill()
{
    QFETCH(int, parameter);
    QFETCH(int, order);
    SortedView view(parameter, order);
    RemoteEntitiesModel &model = view.model;
    RemoteSortFilterModel &proxy = view.proxy;
    model.setEntitiesData(entities(QStringLiteral("1:k.doc:f:5 2:B 3:c.txt:f:1 4:x.pdf:f:9 5:E 6:m.doc:f:2 "
                                                  "7:a.txt:f:7 8:h.pdf:f:3 9:Q 10:n.odt:f:4")));
    const QPersistentModelIndex kept = proxy.index(names(proxy).split(QLatin1Char(' ')).indexOf(QStringLiteral("h.pdf")), 0);
    // At each of its signals the view shows rows in order: while rows go, a
    // part of the old order; while rows come, a part of the order they reach.
    const QStringList before = names(proxy).split(QLatin1Char(' '));
    QList<QStringList> removing;
    QList<QStringList> inserting;
    connect(&proxy, &QAbstractItemModel::rowsRemoved, this,
            [&] { removing.append(names(proxy).split(QLatin1Char(' '))); });
    connect(&proxy, &QAbstractItemModel::rowsInserted, this,
            [&] { inserting.append(names(proxy).split(QLatin1Char(' '))); });
    const QString after = QStringLiteral("1:k.doc:f:5 3:C.txt:f:1 5:E 6:m.doc:fv:2 8:h.pdf:f:3 10:n.odt:f:4 "
                                         "11:d.odt:f:6 12:A 13:z.txt:f:8");
    model.setEntitiesData(entities(after));
    QVERIFY(removing.size() > 1 && inserting.size() > 1);
    for (const QStringList &shown : qAsConst(removing))
        QVERIFY2(inOrderWithin(shown, before), qPrintable(shown.join(QLatin1Char(' '))));
    for (const QStringList &shown : qAsConst(inserting))
        QVERIFY2(inOrderWithin(shown, inserting.last()), qPrintable(shown.join(QLatin1Char(' '))));

    SortedView fresh(parameter, order);
    fresh.model.setEntitiesData(entities(after));
    QCOMPARE(names(proxy), names(fresh.proxy));
    QCOMPARE(kept.data(RemoteEntitiesModel::NameRole).toString(), QStringLiteral("h.pdf"));
    QVERIFY(proxy.setData(kept, true, RemoteEntitiesModel::SelectedRole));
    QCOMPARE(model.getEntity(proxy.mapToSource(kept).row()).selected, true);
}

VELLIX_TEST_MAIN(TestRemoteEntitiesModel, QCoreApplication)
#include "tst_remoteentitiesmodel.moc"
