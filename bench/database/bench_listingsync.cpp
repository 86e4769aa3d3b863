// Cost of keeping a listing in the cache: a synchronisation of N rows against
// a bare prepared insert of the same rows in one transaction, in the same run.
#include "app/coreinit.h"
#include "database/dataaccessobject.h"
#include "database/listingrow.h"
#include "database/migrations.h"
#include "../portaldocuments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <cstdio>

namespace {

void silence(QtMsgType, const QMessageLogContext &, const QString &) {}

// One cache in a fresh directory, built to the current schema.
struct Cache
{
    QTemporaryDir directory;
    DataAccessObject dao{directory.path()};
    Cache()
    {
        Migrations migrations;
        migrations.setDb(dao.db());
        migrations.performMigration();
    }
};

double syncMilliseconds(Cache &cache, const QList<QVariant> &files)
{
    QElapsedTimer timer;
    timer.start();
    cache.dao.updateFilesAndFolders(files, {}, 10, DirectoryType::MyDocuments);
    return timer.nsecsElapsed() / 1e6;
}

// The floor: the same rows, one prepared single-row insert each, one transaction.
double bareInsertMilliseconds(Cache &cache, const QList<QVariant> &files)
{
    QSqlDatabase db = cache.dao.db();
    QElapsedTimer timer;
    timer.start();
    db.transaction();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO files_and_folders(%1) VALUES (%2)")
                      .arg(ListingRow::columnList(), QString("?,").repeated(ListingRow::s_columnCount).chopped(1)));
    QVector<QVariant> values;
    for (const QVariant &file : files) {
        values.clear();
        ListingRow::appendPortalValues(file.toMap(), true, &values);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values.at(i));
        query.exec();
    }
    db.commit();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CoreInit::initResources();
    qInstallMessageHandler(silence);

    std::printf("%8s %12s %12s %8s %14s\n", "rows", "bare ms", "sync ms", "ratio", "sync us/row");
    double previousPerRow = 0;
    double syncOf10k = 0;
    for (int rows : {100, 1000, 10000, 100000}) {
        const QList<QVariant> files = portalDocuments(rows, QStringLiteral("file"), 0, 10, 11);
        double bare = 0;
        double sync = 0;
        {
            Cache cache;
            bare = bareInsertMilliseconds(cache, files);
        }
        {
            Cache cache;
            sync = syncMilliseconds(cache, files);
        }
        const double perRow = sync * 1000 / rows;
        std::printf("%8d %12.2f %12.2f %7.2fx %14.2f%s\n", rows, bare, sync, sync / bare, perRow,
                    previousPerRow > 0 ? qPrintable(QStringLiteral("  (x%1 per row vs previous size)")
                                                        .arg(perRow / previousPerRow, 0, 'f', 2))
                                       : "");
        previousPerRow = perRow;
        if (rows == 10000)
            syncOf10k = sync;
    }

    Cache cache;
    const QList<QVariant> files = portalDocuments(10000, QStringLiteral("file"), 0, 10, 11);
    const double first = syncMilliseconds(cache, files);
    const double again = syncMilliseconds(cache, files);
    std::printf("\nunchanged re-sync of 10000 rows: %.2f ms, first sync %.2f ms, ratio %.2fx (first sync of the"
                " size run: %.2f ms)\n",
                again, first, again / first, syncOf10k);
    std::printf("goals: sync <= 3x bare insert, re-sync <= 1x first sync, per-row cost flat\n");
    return 0;
}
