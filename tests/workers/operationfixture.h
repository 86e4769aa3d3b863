#pragma once

#include "loadingfixture.h"
#include "models/directorytype.h"
#include "privatesessionbus.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class Worker;

// The portal and cache of LoadingFixture, a private notification service, the
// My documents and Trash listings of the demo user loaded into the cache
// through the listing requests, and a local target folder for transfers.
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
    // Fresh portal state and cache, both listings cached, notifications
    // forgotten, a fresh target folder and the cache location emptied.
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

    QString targetFolder() const { return m_target->path(); }
    // A folder that cannot exist: its parent is a plain file.
    QString unusableFolder() const;
    // Every entry of a folder, hidden ones included, sorted.
    static QStringList entries(const QString &folder);
    static QStringList cacheEntries();

    // The portal's record of a document, and the bytes of one of its stored files.
    QJsonObject portalDocument(int id);
    QByteArray storedBytes(int fileId);
    // The last server task of the portal.
    QJsonObject lastTask();
    // The portal's access list of a document or folder: its users as sorted "u<id>:<level>", then its
    // roles as sorted "g<id>:<level>".
    QStringList portalRights(int id, bool isFile);

private:
    std::unique_ptr<QTemporaryDir> m_target;
    PrivateSessionBus m_bus;
    NotificationListener m_listener;
    LoadingFixture m_loading;
    int m_seenNotifications = 0;
};

namespace PortalPath {
const QString s_userTask = QStringLiteral("/api/v1/UserTask");
} // namespace PortalPath
