#include "models/directorytype.h"
#include "models/entitiesprovider.h"
#include "models/extensionchecker.h"
#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "models/sortingoptions.h"
#include "platform/sailfishapp.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFileInfo>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QtTest>

// Entities written as "id:name" with optional flags after a second colon (f
// file, v favorite), then size and owner, e.g. "4:report.docx:fv:20:1".
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

// The folder list behind its sorting proxy, and the pictures and file kinds its pages show.
class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void selectionAndLookups();
    void sorting_data();
    void sorting();
    void scatteredMergeSortsAsAFreshFill_data();
    void scatteredMergeSortsAsAFreshFill();
    void extensions_data();
    void extensions();
    void everyNamedPictureIsShipped();
};

void TestModels::merge_data()
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

void TestModels::merge()
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

void TestModels::selectionAndLookups()
{
    SortedView view;
    view.model.setEntitiesData(entities("1:b:f 2:a:f 3:c"));
    QSignalSpy changed(&view.proxy, &QAbstractItemModel::dataChanged);
    const QModelIndex first = view.proxy.index(1, 0);
    const int selected = RemoteEntitiesModel::SelectedRole;
    QVERIFY(view.proxy.setData(first, true, selected));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), first);
    QCOMPARE(view.model.getEntity(1).selected, true);
    QVERIFY(!view.proxy.setData(first, true, selected));
    QVERIFY(!view.proxy.setData(first, QStringLiteral("x"), RemoteEntitiesModel::NameRole));
    QVERIFY(!view.model.setData(view.model.index(0, 0), QStringLiteral("x"), Qt::EditRole));
    QCOMPARE(changed.count(), 1);

    // Rows out of range are no entity.
    QCOMPARE(view.model.getEntity(5).id, -1);
    QCOMPARE(view.model.getEntity(-1).id, -1);
    QCOMPARE(view.model.getFiles().size(), 2);
    QCOMPARE(view.model.getFolders().first().name, QStringLiteral("c"));
}

// A view sorted by name that holds the first two rows gets another order,
// then all rows: folders come first in both orders, and rows equal by type or
// author stay in name order.
void TestModels::sorting_data()
{
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("arriving");
    QTest::addColumn<QString>("shown");
    const QString mixed = QStringLiteral("2:Z 5:y 1:b.txt:f:30 3:a.doc:f:20 4:c.pdf:f:10");
    // Rows come in an order unlike their names.
    const QString ties = QStringLiteral("5:e.doc:f:0:1 3:c.txt:f:0:2 4:d.doc:f:0:2 2:b.txt:f:0:1 1:a.doc:f:0:1");
    const int up = Qt::AscendingOrder;
    const int down = Qt::DescendingOrder;
    // Folders of equal size keep the order they had.
    QTest::newRow("name ascending") << int(SortingOptions::Name) << up << mixed << "y Z a.doc b.txt c.pdf";
    QTest::newRow("name descending") << int(SortingOptions::Name) << down << mixed << "Z y c.pdf b.txt a.doc";
    QTest::newRow("size ascending") << int(SortingOptions::Size) << up << mixed << "y Z c.pdf a.doc b.txt";
    QTest::newRow("size descending") << int(SortingOptions::Size) << down << mixed << "y Z b.txt a.doc c.pdf";
    QTest::newRow("date descending") << int(SortingOptions::Date) << down << mixed << "y Z c.pdf a.doc b.txt";
    QTest::newRow("type ascending") << int(SortingOptions::Type) << up << mixed << "y Z a.doc c.pdf b.txt";
    QTest::newRow("type ties ascending") << int(SortingOptions::Type) << up << ties << "a.doc d.doc e.doc b.txt c.txt";
    QTest::newRow("type ties descending") << int(SortingOptions::Type) << down << ties
                                          << "b.txt c.txt a.doc d.doc e.doc";
    QTest::newRow("author ties ascending") << int(SortingOptions::Author) << up << ties
                                           << "a.doc b.txt e.doc c.txt d.doc";
}

void TestModels::sorting()
{
    QFETCH(int, parameter);
    QFETCH(int, order);
    QFETCH(QString, arriving);
    QFETCH(QString, shown);
    SortedView view;
    view.model.setEntitiesData(entities(arriving.section(QLatin1Char(' '), 0, 1)));
    view.proxy.setProperty("sortParameter", parameter);
    view.proxy.setProperty("order", QVariant::fromValue(Qt::SortOrder(order)));
    view.model.setEntitiesData(entities(arriving));
    QCOMPARE(names(view.proxy), shown);
}

void TestModels::scatteredMergeSortsAsAFreshFill_data()
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
void TestModels::scatteredMergeSortsAsAFreshFill()
{
    QFETCH(int, parameter);
    QFETCH(int, order);
    SortedView view(parameter, order);
    RemoteEntitiesModel &model = view.model;
    RemoteSortFilterModel &proxy = view.proxy;
    model.setEntitiesData(entities(QStringLiteral("1:k.doc:f:5 2:B 3:c.txt:f:1 4:x.pdf:f:9 5:E 6:m.doc:f:2 "
                                                  "7:a.txt:f:7 8:h.pdf:f:3 9:Q 10:n.odt:f:4")));
    const auto shown = [&proxy] { return names(proxy).split(QLatin1Char(' ')); };
    const QPersistentModelIndex kept = proxy.index(shown().indexOf(QStringLiteral("h.pdf")), 0);
    // At each of its signals the view shows rows in order: while rows go, a
    // part of the old order; while rows come, a part of the order they reach.
    const QStringList before = shown();
    QList<QStringList> removing;
    QList<QStringList> inserting;
    connect(&proxy, &QAbstractItemModel::rowsRemoved, this, [&] { removing.append(shown()); });
    connect(&proxy, &QAbstractItemModel::rowsInserted, this, [&] { inserting.append(shown()); });
    const QString after = QStringLiteral("1:k.doc:f:5 3:C.txt:f:1 5:E 6:m.doc:fv:2 8:h.pdf:f:3 10:n.odt:f:4 "
                                         "11:d.odt:f:6 12:A 13:z.txt:f:8");
    model.setEntitiesData(entities(after));
    QVERIFY(removing.size() > 1 && inserting.size() > 1);
    for (const QStringList &part : qAsConst(removing))
        QVERIFY2(inOrderWithin(part, before), qPrintable(part.join(QLatin1Char(' '))));
    for (const QStringList &part : qAsConst(inserting))
        QVERIFY2(inOrderWithin(part, inserting.last()), qPrintable(part.join(QLatin1Char(' '))));

    SortedView fresh(parameter, order);
    fresh.model.setEntitiesData(entities(after));
    QCOMPARE(names(proxy), names(fresh.proxy));
    QCOMPARE(kept.data(RemoteEntitiesModel::NameRole).toString(), QStringLiteral("h.pdf"));
    QVERIFY(proxy.setData(kept, true, RemoteEntitiesModel::SelectedRole));
    QCOMPARE(model.getEntity(proxy.mapToSource(kept).row()).selected, true);
}

// What a name's extension gives: its type, whether the portal converts it to
// PDF, the picture of its row and whether it opens as a document or an image.
// Extensions count as written, after the last dot.
void TestModels::extensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("convertible");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("document");
    QTest::addColumn<bool>("image");
    QTest::newRow("last dot counts") << "report.pdf.odt" << "odt" << true << "icon-m-file-document.svg" << true
                                     << false;
    QTest::newRow("capitals are another extension") << "a.DOCX" << "DOCX" << false << "icon-m-file-other.svg"
                                                    << false << false;
    QTest::newRow("no dot") << "docx" << "docx" << true << "icon-m-file-document.svg" << true << false;
    QTest::newRow("image") << "Photo.jpeg" << "jpeg" << false << "icon-m-image.svg" << false << true;
}

void TestModels::extensions()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(bool, convertible);
    QFETCH(QString, icon);
    QFETCH(bool, document);
    QFETCH(bool, image);
    RemoteEntitiesModel model;
    model.setEntitiesData(entities(QStringLiteral("1:%1:f").arg(name)));
    QCOMPARE(model.index(0, 0).data(RemoteEntitiesModel::TypeRole).toString(), type);
    QCOMPARE(model.index(0, 0).data(RemoteEntitiesModel::CanConvertToPdfRole).toBool(), convertible);
    QCOMPARE(EntitiesProvider().getFileIcon(name, EntitiesProvider::DarkOnLight),
             QStringLiteral("../icons/light/") + icon);
    ExtensionChecker checker;
    QCOMPARE(checker.isDocument(name), document);
    QCOMPARE(checker.isImage(name), image);
}

void TestModels::everyNamedPictureIsShipped()
{
    // Pages live in qml/pages/, which the provider's paths are relative to.
    const QDir pages(SailfishApp::dataDirectory() + QStringLiteral("/qml/pages"));
    EntitiesProvider provider;
    QStringList paths;
    for (const int theme : {int(EntitiesProvider::DarkOnLight), int(EntitiesProvider::LightOnDark)}) {
        const QMetaEnum empty = QMetaEnum::fromType<EntitiesProvider::EmptyImages>();
        for (int i = 0; i < empty.keyCount(); ++i)
            paths.append(provider.getEmptyIcon(EntitiesProvider::EmptyImages(empty.value(i)), theme));
        for (int step = 1; step <= 5; ++step)
            paths.append(provider.getIntroIcon(step, theme));
        const QMetaEnum sections = QMetaEnum::fromType<DirectoryType::RootDirectoryTypes>();
        for (int i = 0; i < sections.keyCount(); ++i)
            paths.append(provider.directoryIcon(sections.value(i), theme));
        const QSet<QString> extensions = ExtensionChecker::documentExtensions() + ExtensionChecker::imageExtensions();
        for (const QString &extension : extensions + QSet<QString>{QStringLiteral("zip")})
            paths.append(provider.getFileIcon(QStringLiteral("name.") + extension, theme));
    }
    paths.removeAll(QString());
    paths.removeDuplicates();
    // Each theme names pictures of its own.
    QCOMPARE(paths.size(), 2 * 26);
    for (const QString &path : paths)
        QVERIFY2(QFileInfo::exists(pages.filePath(path)), qPrintable(path));
}

VELLIX_TEST_MAIN(TestModels, QCoreApplication)
#include "tst_models.moc"
