#pragma once

#include "loadingfixture.h"
#include "models/directorytype.h"
#include "privatesessionbus.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class Worker;

// The portal and cache of LoadingFixture, a private notification service, and
// the My documents and Trash listings of the demo user loaded into the cache
// through the listing requests.
class OperationFixture
{
public:
    static constexpr int s_myDocuments = 100;
    static constexpr int s_trash = 105;

    struct Outcome
    {
        bool success = false;
        QString message;
    };

    // Starts the bus before anything touches D-Bus, then the portal.
    bool start();
    // Fresh portal state and cache, both listings cached, notifications forgotten.
    bool reset();

    LoadingFixture &loading() { return m_loading; }
    SimulatorProcess &simulator() { return m_loading.simulator(); }
    DataAccessObject &dao() { return m_loading.dao(); }

    // Waits for the one workFinished of a worker already started (spy made
    // before the start) and fails the test on a second one.
    static bool finishedOnce(QSignalSpy &spy, Outcome *outcome);
    // Starts a runnable worker on the pool and waits for its one workFinished;
    // also checks that the worker frees itself afterwards.
    static bool runOnPool(Worker *worker, Outcome *outcome);

    // A folder listing through GetFoldersRequest and GetDocumentsRequest into the cache.
    bool refresh(int folderId, DirectoryType::RootDirectoryTypes root);
    // Both sections reloaded through the listing requests equal the portal's.
    bool reloadedCacheMatchesPortal();
    QStringList cachedListing(int folderId) const;
    QStringList portalListing(int folderId);

    bool isCached(int id, bool isFile);
    bool isBusy(int id, bool isFile);
    int busyCount();
    QVariant cachedValue(int id, bool isFile, const QString &column);

    // Notifications received since the last reset, waiting for count of them
    // and a moment more.
    QList<ReceivedNotification> notifications(int count);
    // Exactly these notifications came since the last reset: their bodies in
    // order, the last with this summary and a warning icon when it has one,
    // every other an information (logged when not).
    bool notified(const QStringList &bodies, const QString &lastSummary = QString());

    // Portal requests since the last reset, as "METHOD target".
    QStringList requests() { return m_loading.receivedRequests(); }
    int requestCount(const QString &fragment);
    // Waits until the portal has seen a request whose target contains fragment.
    bool waitForRequest(const QString &fragment);

private:
    PrivateSessionBus m_bus;
    NotificationListener m_listener;
    LoadingFixture m_loading;
    int m_seenNotifications = 0;
};

namespace PortalPath {
const QString s_userTask = QStringLiteral("/api/v1/UserTask");
} // namespace PortalPath
