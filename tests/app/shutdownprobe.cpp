// Quits the way the application does while the portal stalls calls and a
// listing synchronises. Arguments: the cache directory. On standard input
// "load" starts the listing once the test has seen the first call stall.
#include "app/coreinit.h"
#include "app/shutdown.h"
#include "app/terminationsignals.h"
#include "database/dataaccessobject.h"
#include "database/migrations.h"
#include "requests/requestinterface.h"
#include "workers/loadfoldersandfilesworker.h"
#include "workers/renamefileworker.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThreadPool>

#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace {

// Runs its call on a pool thread; the portal stalls every rename.
void startRename(DataAccessObject *dao, int fileId, const char *name)
{
    QThreadPool::globalInstance()->start(
        new RenameFileWorker(dao, fileId, QStringLiteral("renamed-%1").arg(fileId), QString::fromLatin1(name),
                             DirectoryType::MyDocuments));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(CoreInit::s_organizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(CoreInit::s_applicationName));
    auto *app = new QCoreApplication(argc, argv);
    setupTerminationSignalsHandler();
    RequestInterface::initNetworkManager(app);
    CoreInit::initResources();
    // Two threads, both stalled at the quit, and a worker waiting for one.
    QThreadPool::globalInstance()->setMaxThreadCount(2);

    // Stands for the pages: they own the cache and the workers.
    auto *pages = new QObject;
    auto *dao = new DataAccessObject(app->arguments().value(1), pages);
    Migrations migrations;
    migrations.setDb(dao->db());
    if (!migrations.performMigration())
        return 2;
    auto *loader = new LoadFoldersAndFilesWorker(dao, pages);

    startRename(dao, 1005, "Notes.txt");
    std::puts("started");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&] {
        input.setEnabled(false);
        loader->loadFilesAndFolders(100, DirectoryType::MyDocuments);
    });
    // In the middle of the listing's handler on the main thread: more calls, then the quit.
    bool quitting = false;
    QObject::connect(dao, &DataAccessObject::filesAndFoldersChanged, dao, [dao, &quitting] {
        if (std::exchange(quitting, true))
            return;
        startRename(dao, 1004, "Contract.pdf");
        startRename(dao, 1003, "Roadmap.pptx");
        ::raise(SIGTERM);
    });

    const int result = app->exec();
    if (!Shutdown::finishWork())
        return 3;
    delete pages;
    delete app;
    return result;
}
