#pragma once

#include "cachetestsupport.h"
#include "simulatorprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStringList>

#include <functional>
#include <memory>

class Worker;

// The simulator signed in as the demo user, the settings pointing at it and a
// migrated cache file of the test's own.
class LoadingFixture
{
public:
    bool start();
    // A fresh cache file and a fresh portal state with its request log emptied.
    bool reset();

    SimulatorProcess &simulator() { return m_simulator; }
    DataAccessObject &dao() { return m_cache->dao(); }
    CacheFixture &cache() { return *m_cache; }

    // Calls the portal itself with the demo user's token; the reply document.
    QJsonDocument portal(const QByteArray &method, const QString &path, const QJsonObject &body = {});
    // What the portal answers for the listings of a folder.
    QJsonArray portalFolders(int folderId);
    QJsonArray portalDocuments(int folderId);
    // Every folder of a folders answer with all nested "Children".
    static QJsonArray flattened(const QJsonArray &folders);
    static QJsonArray children(const QJsonArray &folders);

    // Listing rows in one comparable form, sorted: from portal objects, and
    // from a cache table with an optional WHERE clause.
    static QStringList rows(const QJsonArray &folders, const QJsonArray &documents);
    QStringList cachedRows(const QString &table, const QString &where = QString()) const;
    QStringList cachedUsers() const;

    // Portal requests received since the last reset, as "METHOD path?query".
    QStringList receivedRequests();

    // Columns "path", "fault" and "message": each way a portal call fails, for each of the paths.
    static void failureClasses(const QStringList &paths);

private:
    SimulatorProcess m_simulator;
    QString m_token;
    std::unique_ptr<CacheFixture> m_cache;
};

// A start of a worker known to be a T, for tables of workers.
template<class T>
std::function<void(Worker *)> startAs(const std::function<void(T *)> &start)
{
    return [start](Worker *worker) { start(static_cast<T *>(worker)); };
}

// Waits for the one workFinished of a run and checks that no second follows.
bool finishedOnce(QSignalSpy &spy);
// The same, and that it reported this outcome (logged when it did not).
bool finishedWith(QSignalSpy &spy, bool success, const QString &message = QString());

namespace PortalPath {
const QString s_folders = QStringLiteral("/api/v1/DocumentDirectory/Get");
const QString s_documents = QStringLiteral("/api/v1/DocumentDirectory/GetDocuments");
const QString s_users = QStringLiteral("/api/v1/User/get");
const QString s_search = QStringLiteral("/api/v1/DocumentDirectory/Search");
const QString s_documentInfo = QStringLiteral("/api/v1/Documents");
} // namespace PortalPath
