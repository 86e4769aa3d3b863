#include "simulator/connectionsockets.h"

#include <QDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>

namespace {
int portOf(const sockaddr_storage &address)
{
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in &>(address).sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6 &>(address).sin6_port);
    return -1;
}

// Local and remote port of a connected TCP socket; false for anything else.
bool connectionPorts(int descriptor, int *localPort, int *remotePort)
{
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISSOCK(status.st_mode))
        return false;
    sockaddr_storage local {}, remote {};
    socklen_t localLength = sizeof local, remoteLength = sizeof remote;
    if (getsockname(descriptor, reinterpret_cast<sockaddr *>(&local), &localLength) != 0)
        return false;
    if (getpeername(descriptor, reinterpret_cast<sockaddr *>(&remote), &remoteLength) != 0)
        return false;
    *localPort = portOf(local);
    *remotePort = portOf(remote);
    return *localPort > 0 && *remotePort > 0;
}

QList<int> openDescriptors()
{
    QList<int> descriptors;
    const QStringList names = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString &name : names) {
        bool ok = false;
        const int descriptor = name.toInt(&ok);
        if (ok)
            descriptors.append(descriptor);
    }
    return descriptors;
}
} // namespace

int ConnectionSockets::find(int localPort, int remotePort)
{
    for (int descriptor : openDescriptors()) {
        int local = 0, remote = 0;
        if (connectionPorts(descriptor, &local, &remote) && local == localPort && remote == remotePort)
            return descriptor;
    }
    return -1;
}

void ConnectionSockets::drop(int descriptor)
{
    if (descriptor >= 0)
        shutdown(descriptor, SHUT_RDWR);
}

bool ConnectionSockets::peerClosed(int descriptor)
{
    if (descriptor < 0)
        return true;
    pollfd entry{descriptor, POLLIN | POLLRDHUP, 0};
    if (poll(&entry, 1, 0) < 0)
        return true;
    if (entry.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL))
        return true;
    if (entry.revents & POLLIN) {
        char byte = 0;
        return recv(descriptor, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
    }
    return false;
}

void ConnectionSockets::dropAll(int localPort)
{
    for (int descriptor : openDescriptors()) {
        int local = 0, remote = 0;
        if (connectionPorts(descriptor, &local, &remote) && local == localPort)
            shutdown(descriptor, SHUT_RDWR);
    }
}
