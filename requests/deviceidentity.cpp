#include "deviceidentity.h"

#include <QDeviceInfo>

QString DeviceIdentity::uniqueId()
{
    static const QString s_id = QDeviceInfo().uniqueDeviceID();
    return s_id;
}

QString DeviceIdentity::osVersion()
{
    static const QString s_version = QDeviceInfo().version(QDeviceInfo::Os);
    return s_version;
}
