// Cost of showing a listing: merging N entities into a page's model behind
// its sorting proxy (first fill beside a bare sort of the same entities,
// identical re-merge, 1 % changed), and one
// whole page cycle (cache query, conversion, merge) beside the bare SELECT
// of the same rows, in the same run. Each figure is the best of a few rounds,
// as the machine may be busy with other work.
#include "app/coreinit.h"
#include "database/dataaccessobject.h"
#include "database/migrations.h"
#include "models/remoteentitiesmodel.h"
#include "models/remotesortfiltermodel.h"
#include "workers/sqltoentitiesconvertworker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <numeric>

namespace {

void silence(QtMsgType, const QMessageLogContext &, const QString &) {}

QList<FolderElementEntity> entities(int count)
{
    QList<FolderElementEntity> list;
    list.reserve(count);
    const QDateTime start(QDate(2024, 3, 1), QTime(10, 0), Qt::UTC);
    for (int id = 1; id <= count; ++id) {
        FolderElementEntity entity;
        entity.id = id;
        // Unsorted names, one folder in twenty.
        entity.name = QStringLiteral("entry %1.docx").arg((id * 7919) % count);
        entity.isFile = id % 20 != 0;
        entity.ownerId = id % 13;
        entity.size = 1024 + id;
        entity.timestamp = start.addSecs(id);
        list.append(entity);
    }
    return list;
}

const int s_rounds = 5;

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double fastest(double previous, double current)
{
    return previous > 0 ? std::min(previous, current) : current;
}

// The floor of a first fill: the same entities put in the view's order (folders
// first, names without regard to case) by a plain stable sort of their rows.
void sortedAlone(const QList<FolderElementEntity> &list)
{
    QVector<int> rows(list.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&list](int left, int right) {
        const FolderElementEntity &a = list.at(left);
        const FolderElementEntity &b = list.at(right);
        if (a.isFile != b.isFile)
            return !a.isFile;
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
}

struct Merges
{
    double sort = 0;
    double first = 0;
    double identical = 0;
    double changed = 0;
};

Merges measureMerges(int count)
{
    Merges result;
    for (int round = 0; round < s_rounds; ++round) {
        RemoteEntitiesModel model;
        RemoteSortFilterModel proxy;
        proxy.setSourceModel(&model);
        QList<FolderElementEntity> list = entities(count);
        result.sort = fastest(result.sort, milliseconds([&] { sortedAlone(list); }));
        result.first = fastest(result.first, milliseconds([&] { model.setEntitiesData(list); }));
        // A re-read yields a list of its own, equal to the shown one.
        const QList<FolderElementEntity> again = entities(count);
        result.identical = fastest(result.identical, milliseconds([&] { model.setEntitiesData(again); }));
        for (int i = 0; i < count; i += 100)
            list[i].name += QStringLiteral(" renamed");
        result.changed = fastest(result.changed, milliseconds([&] { model.setEntitiesData(list); }));
    }
    return result;
}

// A cache holding count documents of folder 10.
struct Cache
{
    QTemporaryDir directory;
    DataAccessObject dao{directory.path()};

    explicit Cache(int count)
    {
        Migrations migrations;
        migrations.setDb(dao.db());
        migrations.performMigration();
        QList<QVariant> files;
        for (const FolderElementEntity &entity : entities(count)) {
            files.append(QVariantMap{{"Id", entity.id},
                                     {"OwnerId", entity.ownerId},
                                     {"Name", entity.name},
                                     {"DirectoryId", 10},
                                     {"Timestamp", entity.timestamp.toString(Qt::ISODate)},
                                     {"Size", entity.size}});
        }
        dao.updateFilesAndFolders(files, {}, 10, DirectoryType::MyDocuments);
    }
};

const QString s_pageQuery = QStringLiteral("SELECT * from files_and_folders WHERE parent_id = 10 OR directory_id = 10");

// The floor: the same query, every column of every row read once by position.
double bareSelect(DataAccessObject &dao)
{
    return milliseconds([&] {
        QSqlQuery query = dao.retrieveEntitiesByQuery(s_pageQuery);
        const int count = query.record().count();
        int columns = 0;
        while (query.next()) {
            for (int i = 0; i < count; ++i)
                columns += query.value(i).isValid();
        }
        Q_UNUSED(columns)
    });
}

double pageCycle(DataAccessObject &dao, RemoteEntitiesModel &model)
{
    SqlToEntitiesConvertWorker converter;
    QObject::connect(&converter, &SqlToEntitiesConvertWorker::entitiesComplete, &model,
                     &RemoteEntitiesModel::setEntitiesData);
    return milliseconds([&] { converter.convert(&dao, s_pageQuery); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CoreInit::initResources();
    qInstallMessageHandler(silence);

    std::printf("%8s %10s %10s %12s %10s %10s %12s %8s %8s\n", "rows", "sort ms", "first ms", "identical ms",
                "1% ms", "ident/1st", "first/sort", "growth", "sort gr.");
    double previousPerRow = 0;
    double previousSortPerRow = 0;
    for (const int count : {1000, 10000, 100000}) {
        const Merges merges = measureMerges(count);
        const double perRow = merges.first / count;
        const double sortPerRow = merges.sort / count;
        std::printf("%8d %10.2f %10.2f %12.2f %10.2f %9.3fx %11.2fx", count, merges.sort, merges.first,
                    merges.identical, merges.changed, merges.identical / merges.first, merges.first / merges.sort);
        if (previousPerRow > 0)
            std::printf(" %7.2fx %7.2fx", perRow / previousPerRow, sortPerRow / previousSortPerRow);
        std::printf("\n");
        previousPerRow = perRow;
        previousSortPerRow = sortPerRow;
    }

    Cache cache(10000);
    double bare = 0;
    double first = 0;
    double again = 0;
    for (int round = 0; round < s_rounds; ++round) {
        RemoteEntitiesModel model;
        RemoteSortFilterModel proxy;
        proxy.setSourceModel(&model);
        bare = fastest(bare, bareSelect(cache.dao));
        first = fastest(first, pageCycle(cache.dao, model));
        again = fastest(again, pageCycle(cache.dao, model));
    }
    std::printf("\npage cycle of 10000 rows: bare SELECT %.2f ms, first cycle %.2f ms (%.2fx), re-read %.2f ms"
                " (%.2fx)\n",
                bare, first, first / bare, again, again / bare);
    std::printf("goals: first fill growing per row as the sort alone does (n log n, memory included), identical"
                " re-merge <= 0.1x first fill, page cycle <= 3x bare SELECT\n");
    return 0;
}
