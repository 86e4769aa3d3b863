// One request through the frame (pool thread, own manager, settings reads,
// classification, queued result) beside a bare QNetworkAccessManager GET loop
// to the same simulator endpoint, in the same run.
#include "requests/getserversettingsrequest.h"
#include "settings/settings.h"
#include "../quietportal.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int s_rounds = 5;
constexpr int s_requestsPerRound = 200;

double microsecondsPerCall(int count, const std::function<bool()> &call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        if (!call()) {
            std::fprintf(stderr, "call %d failed\n", i);
            return -1;
        }
    }
    return timer.nsecsElapsed() / 1000.0 / count;
}

bool frameOnPool()
{
    auto *request = new GetServerSettingsRequest;
    bool success = false;
    QEventLoop loop;
    QObject::connect(request, &RequestInterface::requestFinished, &loop, [&](const QVariantMap &result) {
        success = result.value(QStringLiteral("success")).toBool();
        loop.quit();
    });
    QThreadPool::globalInstance()->start(request);
    loop.exec();
    return success;
}

bool frameOnThisThread()
{
    GetServerSettingsRequest request;
    request.setAutoDelete(false);
    bool success = false;
    QObject::connect(&request, &RequestInterface::requestFinished,
                     [&](const QVariantMap &result) { success = result.value(QStringLiteral("success")).toBool(); });
    request.run();
    return success;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    QCoreApplication app(argc, argv);

    SimulatorProcess simulator;
    if (!startQuietPortal(simulator))
        return 1;
    Settings().savePortalAddress(simulator.baseUrl());
    const QUrl url(simulator.baseUrl() + QStringLiteral("/api/v1/Settings"));

    QNetworkAccessManager keptManager;
    const auto bareGetWith = [&](QNetworkAccessManager &manager) {
        QNetworkRequest request(url);
        request.setRawHeader("Content-Type", "application/json");
        QNetworkReply *reply = manager.get(request);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        if (!reply->isFinished())
            loop.exec();
        const bool ok = reply->error() == QNetworkReply::NoError && !reply->readAll().isEmpty();
        reply->deleteLater();
        return ok;
    };
    const auto bareGet = [&] { return bareGetWith(keptManager); };
    // What the frame does about connections: a manager per request.
    const auto bareGetFreshManager = [&] {
        QNetworkAccessManager manager;
        return bareGetWith(manager);
    };

    // Warm-up: connections, thread pool, device info, bearer backend.
    microsecondsPerCall(20, bareGet);
    microsecondsPerCall(20, frameOnPool);

    QVector<double> bare, fresh, pool, direct;
    for (int round = 0; round < s_rounds; ++round) {
        bare << microsecondsPerCall(s_requestsPerRound, bareGet);
        fresh << microsecondsPerCall(s_requestsPerRound, bareGetFreshManager);
        pool << microsecondsPerCall(s_requestsPerRound, frameOnPool);
        direct << microsecondsPerCall(s_requestsPerRound, frameOnThisThread);
    }
    for (const QVector<double> *series : {&bare, &fresh, &pool, &direct}) {
        if (*std::min_element(series->begin(), series->end()) < 0)
            return 1;
    }

    const double bareUs = median(bare);
    const double freshUs = median(fresh);
    const double poolUs = median(pool);
    const double directUs = median(direct);
    std::printf("GET /api/v1/Settings, %d rounds of %d requests, median per request:\n", s_rounds, s_requestsPerRound);
    std::printf("  bare QNetworkAccessManager (one manager, kept connection): %8.1f us\n", bareUs);
    std::printf("  bare QNetworkAccessManager, a new manager per request:     %8.1f us\n", freshUs);
    std::printf("  request frame on the global pool (as workers start it):    %8.1f us\n", poolUs);
    std::printf("  request frame, run() on the calling thread:                %8.1f us\n", directUs);
    std::printf("ratio frame on pool / bare: %.2fx (goal <= 1.50x)\n", poolUs / bareUs);
    std::printf("ratio frame on pool / bare with a new manager: %.2fx\n", poolUs / freshUs);
    std::printf("ratio frame direct / bare with a new manager:  %.2fx\n", directUs / freshUs);
    return 0;
}
