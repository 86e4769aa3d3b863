#include "app/terminationsignals.h"
#include "securestorage/securestoragebus.h"
#include "securestorageservice/gocryptfscontainer.h"
#include "securestorageservice/securestorageservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace {
int fail(const QString &message)
{
    std::fprintf(stderr, "vellix-securestorage: %s\n", qPrintable(message));
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vellix-securestorage"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Encrypted containers for VellixOfficeAurora on the system bus"));
    parser.addHelpOption();
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Directory of the containers."),
                                        QStringLiteral("directory"));
    const QCommandLineOption scryptOption(QStringLiteral("scryptn"),
                                          QStringLiteral("Key-derivation cost of new containers (gocryptfs -scryptn)."),
                                          QStringLiteral("log2"));
    const QCommandLineOption allowOption(QStringLiteral("allow-uid"), QStringLiteral("A user that may call (repeatable)."),
                                         QStringLiteral("uid"));
    parser.addOptions({dataOption, scryptOption, allowOption});
    parser.process(application);

    SecureStorageService::Options options;
    options.dataDirectory = parser.value(dataOption);
    if (options.dataDirectory.isEmpty())
        options.dataDirectory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.dataDirectory = QDir(options.dataDirectory).absolutePath();
    if (!QDir().mkpath(options.dataDirectory))
        return fail(QStringLiteral("cannot create %1").arg(options.dataDirectory));
    bool ok = true;
    if (parser.isSet(scryptOption))
        options.scryptLogN = parser.value(scryptOption).toInt(&ok);
    if (!ok || options.scryptLogN < 0)
        return fail(QStringLiteral("--scryptn needs a positive number"));
    for (const QString &uid : parser.values(allowOption)) {
        options.allowedUids.append(uid.toUInt(&ok));
        if (!ok)
            return fail(QStringLiteral("--allow-uid needs a user id, not %1").arg(uid));
    }
    options.unusableReason = GocryptfsContainer::unusableReason(QStringLiteral("/dev/fuse"));
    if (!options.unusableReason.isEmpty())
        qWarning().noquote() << "FUSE is not usable, every call will fail:" << options.unusableReason;

    setupTerminationSignalsHandler();
    SecureStorageService service(options);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return fail(QStringLiteral("no system bus: %1").arg(bus.lastError().message()));
    if (!bus.registerObject(QString::fromLatin1(SecureStorageBus::s_objectPath), &service,
                            QDBusConnection::ExportAllSlots)
        || !bus.registerService(QString::fromLatin1(SecureStorageBus::s_serviceName)))
        return fail(QStringLiteral("cannot register on the system bus: %1").arg(bus.lastError().message()));
    std::printf("ready\n");
    std::fflush(stdout);
    return application.exec();
}
