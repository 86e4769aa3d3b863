#include "simulator/accountapi.h"
#include "simulator/commandline.h"
#include "simulator/controlapi.h"
#include "simulator/demoseed.h"
#include "simulator/editorapi.h"
#include "simulator/listingapi.h"
#include "simulator/operationsapi.h"
#include "simulator/portalcontext.h"
#include "simulator/portalserver.h"
#include "simulator/router.h"
#include "simulator/sharingapi.h"
#include "simulator/stopsignal.h"
#include "simulator/transferapi.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {
int fail(const QString &message)
{
    std::fprintf(stderr, "vellix-portal-simulator: %s\n", message.toUtf8().constData());
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    StopSignal::block();
    QCoreApplication application(argc, argv);

    CommandLine options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), &error))
        return fail(error);

    QTemporaryDir temporaryData;
    const QString dataDirectory = options.dataDirectory.isEmpty() ? temporaryData.path() : options.dataDirectory;
    PortalContext context;
    context.seedPath = options.seedFile.isEmpty() ? DemoSeed::defaultPath() : options.seedFile;
    if (!context.files.open(dataDirectory, &error) || !DemoSeed::load(context.seedPath, &context.state, &error))
        return fail(error);
    if (options.tokenLifetimeSeconds > 0)
        context.tokens.setLifetimeSeconds(options.tokenLifetimeSeconds);
    for (const QJsonObject &object : options.faults) {
        Fault fault;
        if (!Fault::fromJson(object, &fault, &error))
            return fail(QStringLiteral("--fault: %1").arg(error));
        context.faults.add(fault);
    }

    std::vector<std::unique_ptr<EndpointGroup>> groups;
    groups.push_back(std::make_unique<AccountApi>(&context));
    groups.push_back(std::make_unique<ListingApi>(&context));
    groups.push_back(std::make_unique<OperationsApi>(&context));
    groups.push_back(std::make_unique<TransferApi>(&context));
    groups.push_back(std::make_unique<SharingApi>(&context));
    groups.push_back(std::make_unique<EditorApi>(&context));
    groups.push_back(std::make_unique<ControlApi>(&context));
    Router router;
    for (const auto &group : groups)
        group->addRoutes(&router);

    PortalServer server(&context, &router);
    if (!server.bind(options.port, options.certificateFile, options.keyFile, &error))
        return fail(error);
    std::printf("listening on %d\n", server.port());
    std::fflush(stdout);

    std::thread serving([&server] { server.serve(); });
    const int signal = StopSignal::wait();
    std::fprintf(stderr, "stopping on signal %d\n", signal);
    server.stop();
    serving.join();
    return 0;
}
