#pragma once

#include "simulator/faultinjector.h"
#include "simulator/filestore.h"
#include "simulator/portalstate.h"
#include "simulator/requestlog.h"
#include "simulator/servertasks.h"
#include "simulator/tokenstore.h"

#include <QJsonArray>
#include <QString>

// Everything the endpoints share for the life of the process. The state and
// the tasks are guarded by the server, which runs one handler at a time.
struct PortalContext
{
    PortalContext() : state(&files) {}

    FileStore files;
    PortalState state;
    ServerTasks tasks;
    TokenStore tokens;
    FaultInjector faults;
    RequestLog requests;
    QString seedPath;
    QJsonArray feedback;   // support messages received
};
