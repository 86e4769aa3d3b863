#pragma once

#include "simulatorprocess.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

// Starts the portal simulator beside a benchmark, with log lines silenced:
// they would measure the terminal, not the code under test.
inline bool startQuietPortal(SimulatorProcess &simulator)
{
    if (qEnvironmentVariableIsEmpty("VELLIX_BIN_DIR"))
        qputenv("VELLIX_BIN_DIR", QFile::encodeName(QCoreApplication::applicationDirPath()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (simulator.start())
        return true;
    std::fprintf(stderr, "the portal simulator did not start\n");
    return false;
}
