#include "terminationsignals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int s_signalSockets[2] = {-1, -1};

void writeSignalByte(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    // write() is async-signal-safe; a full pipe just drops the repeat signal.
    [[maybe_unused]] const ssize_t written = ::write(s_signalSockets[0], &byte, 1);
}

void readSignalByte()
{
    char byte = 0;
    if (::read(s_signalSockets[1], &byte, 1) == 1)
        qInfo() << "Termination signal" << int(byte) << "received, quitting";
    QCoreApplication::quit();
}

} // namespace

void setupTerminationSignalsHandler()
{
    if (s_signalSockets[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_signalSockets) != 0) {
        qWarning() << "Cannot create the termination signal socket pair; signals keep their default action";
        return;
    }
    auto *notifier = new QSocketNotifier(s_signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, &readSignalByte);

    struct sigaction action = {};
    action.sa_handler = writeSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaction(signalNumber, &action, nullptr);
}
