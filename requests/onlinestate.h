#pragma once

#include <QString>

// The device's online state as requests and the connectivity watcher see it,
// read from one process-wide network configuration manager.
class OnlineState
{
public:
    // For the portal address of the settings.
    static bool isOnline();
    // Online when the platform says so. A platform that knows no network
    // configuration at all (a desktop without a network service, a sandbox
    // with loopback only) cannot tell, so it does not stop a request; nor does
    // it stop one to a portal on a loopback address.
    static bool isOnline(const QString &portalAddress);

    static bool isLoopbackAddress(const QString &portalAddress);

    // Makes the shared manager now (it is otherwise made on first use).
    static void prepare();
};
