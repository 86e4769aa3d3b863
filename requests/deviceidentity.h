#pragma once

#include <QString>

// What the portal is told about the device at sign-in and token refresh.
// Both values are stable for the life of the process and read once.
class DeviceIdentity
{
public:
    static QString uniqueId();
    static QString osVersion();
};
