// The longest stall of the main thread's event loop, seen by a 5 ms probe
// timer: with nothing happening, while a 100 MB download is finished by its
// worker (put in place by rename, and by copy into another file system), and
// while a listing of 10^4 documents is synchronised into the cache.
#include "database/dataaccessobject.h"
#include "database/migrations.h"
#include "requests/uploaddocumentrequest.h"
#include "settings/settings.h"
#include "../portaldocuments.h"
#include "../quietportal.h"
#include "testenvironment.h"
#include "workers/downloadfileworker.h"
#include "workers/loadfoldersandfilesworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int s_probeIntervalMs = 5;
constexpr qint64 s_downloadBytes = 100 * 1024 * 1024;
constexpr int s_listingRows = 10000;
constexpr int s_downloadGoalMs = 50;

// Runs the event loop until `done` is set, measuring the longest gap between
// two probe ticks beyond the probe's own interval.
double longestStallMs(const std::function<void(bool *done)> &start)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(s_probeIntervalMs);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = qMax(longest, now - last);
        last = now;
    });
    bool done = false;
    clock.start();
    probe.start();
    start(&done);
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return qMax<qint64>(0, qMax(longest, clock.nsecsElapsed() - last) - s_probeIntervalMs * 1000000LL) / 1e6;
}

bool writeFile(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(1024 * 1024, 'v');
    for (qint64 written = 0; written < size; written += block.size()) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

int documentIdByName(SimulatorProcess &simulator, const QString &name)
{
    for (const QJsonValue &document : simulator.state().value(QStringLiteral("documents")).toArray()) {
        if (document.toObject().value(QStringLiteral("Name")).toString() == name)
            return document.toObject().value(QStringLiteral("Id")).toInt();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    QCoreApplication app(argc, argv);

    SimulatorProcess simulator;
    if (!startQuietPortal(simulator))
        return 1;
    Settings settings;
    settings.savePortalAddress(simulator.baseUrl());
    settings.saveAccessToken(simulator.validAccessToken());
    QTemporaryDir cache;
    DataAccessObject dao(cache.path());
    Migrations migrations;
    migrations.setDb(dao.db());
    migrations.performMigration();

    // The document to download, uploaded once.
    const QString name = QStringLiteral("large.bin");
    QTemporaryDir local;
    const QString upload = local.filePath(name);
    if (!writeFile(upload, s_downloadBytes)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(upload));
        return 1;
    }
    auto *uploading = new UploadDocumentRequest(upload, 100);
    QSignalSpy uploaded(uploading, &RequestInterface::requestFinished);
    QThreadPool::globalInstance()->start(uploading);
    const int documentId = uploaded.wait(120000) ? documentIdByName(simulator, name) : 0;
    if (documentId <= 0) {
        std::fprintf(stderr, "the upload failed\n");
        return 1;
    }

    const double idle = longestStallMs([](bool *done) { QTimer::singleShot(2000, [done] { *done = true; }); });

    const auto download = [&](const QString &folder) {
        return longestStallMs([&, folder](bool *done) {
            auto *worker = new DownloadFileWorker(&dao, documentId, folder, name, DirectoryType::MyDocuments);
            QObject::connect(worker, &Worker::workFinished, [done](bool success) {
                if (!success)
                    std::fprintf(stderr, "a download failed\n");
                *done = true;
            });
            QThreadPool::globalInstance()->start(worker);
        });
    };
    QTemporaryDir sameFileSystem;
    const double renamed = download(sameFileSystem.path());
    QTemporaryDir otherFileSystem(QStringLiteral("/dev/shm/vellix-bench-XXXXXX"));
    const double copied = otherFileSystem.isValid() ? download(otherFileSystem.path()) : -1;

    const QJsonArray documents =
        QJsonArray::fromVariantList(portalDocuments(s_listingRows, QStringLiteral("listing"), 500000, 100, 1));
    simulator.setFault(QStringLiteral("/api/v1/DocumentDirectory/GetDocuments"),
                       {{"status", 200}, {"body", QJsonObject{{"Items", documents}}}});
    LoadFoldersAndFilesWorker loader(&dao);
    const double listing = longestStallMs([&](bool *done) {
        QObject::connect(&loader, &Worker::workFinished, [done] { *done = true; });
        loader.loadFilesAndFolders(100, DirectoryType::MyDocuments);
    });

    std::printf("Longest main-thread stall beyond the %d ms probe interval:\n", s_probeIntervalMs);
    std::printf("  nothing happening (2 s):                         %8.1f ms\n", idle);
    std::printf("  100 MB download, put in place by rename:         %8.1f ms\n", renamed);
    if (copied >= 0)
        std::printf("  100 MB download, copied to another file system:  %8.1f ms\n", copied);
    std::printf("  listing of %d documents synchronised:          %8.1f ms (on the main thread by design)\n",
                s_listingRows, listing);
    const bool met = renamed <= s_downloadGoalMs && copied <= s_downloadGoalMs;
    std::printf("download goal (no stall above %d ms): %s\n", s_downloadGoalMs, met ? "met" : "missed");
    return 0;
}
