#include "operationfixture.h"

#include "models/entitytypes.h"
#include "platform/notification.h"
#include "requestrunner.h"
#include "requests/getdocumentsrequest.h"
#include "requests/getfoldersrequest.h"
#include "testenvironment.h"
#include "workers/worker.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QJsonArray>
#include <QPointer>
#include <QRunnable>
#include <QStandardPaths>
#include <QTest>
#include <QThreadPool>

#include <algorithm>

bool OperationFixture::start()
{
    return m_bus.start() && m_listener.registerOn(m_bus.address()) && m_loading.start() && reset();
}

bool OperationFixture::reset()
{
    m_target = std::make_unique<QTemporaryDir>();
    QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    if ((cache.exists() && !cache.removeRecursively()) || !m_target->isValid()
        || !TestEnvironment::writeFile(m_target->filePath(QStringLiteral("plain")), "x")) {
        qWarning() << "the local folders could not be prepared";
        return false;
    }
    if (!m_loading.reset() || !simulator().clearFaults()) {
        qWarning() << "the portal could not be reset";
        return false;
    }
    if (!refresh(s_myDocuments, DirectoryType::MyDocuments) || !refresh(s_trash, DirectoryType::Trash)) {
        qWarning() << "the listings could not be loaded";
        return false;
    }
    m_seenNotifications = m_listener.received().size();
    return simulator().clearRequests();
}

bool OperationFixture::finishedOnce(QSignalSpy &spy, Outcome *outcome)
{
    if (!::finishedOnce(spy))
        return false;
    outcome->success = spy.first().at(0).toBool();
    outcome->message = spy.first().at(1).toString();
    return true;
}

bool OperationFixture::runOnPool(Worker *worker, Outcome *outcome)
{
    QPointer<Worker> alive(worker);
    QSignalSpy finished(worker, &Worker::workFinished);
    QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
    if (!finishedOnce(finished, outcome))
        return false;
    if (QTest::qWaitFor([&] { return alive.isNull(); }, 5000))
        return true;
    qWarning() << "the worker was not freed after it finished";
    return false;
}

bool OperationFixture::refresh(int folderId, DirectoryType::RootDirectoryTypes root)
{
    RequestRunner runner;
    const QVariantMap folders = runner.run(new GetFoldersRequest(folderId));
    const QVariantMap documents = runner.run(new GetDocumentsRequest(folderId));
    if (!folders.value(QStringLiteral("success")).toBool() || !documents.value(QStringLiteral("success")).toBool())
        return false;
    // The answer holds the folder itself; its listing is its children.
    QList<QVariant> children;
    for (const QVariant &folder : folders.value(QStringLiteral("folders")).toList())
        children += folder.toMap().value(QStringLiteral("Children")).toList();
    dao().updateFilesAndFolders(documents.value(QStringLiteral("documents")).toList(), children, folderId, root);
    return true;
}

QStringList OperationFixture::cachedListing(int folderId) const
{
    return m_loading.cachedRows(QStringLiteral("files_and_folders"),
                                QStringLiteral("WHERE parent_id = %1 OR directory_id = %1").arg(folderId));
}

QStringList OperationFixture::portalListing(int folderId)
{
    return LoadingFixture::rows(LoadingFixture::children(m_loading.portalFolders(folderId)),
                                m_loading.portalDocuments(folderId));
}

bool OperationFixture::reloadedCacheMatchesPortal()
{
    for (const int folderId : {s_myDocuments, s_trash}) {
        if (!refresh(folderId, folderId == s_trash ? DirectoryType::Trash : DirectoryType::MyDocuments))
            return false;
        const QStringList cached = cachedListing(folderId);
        const QStringList portal = portalListing(folderId);
        if (cached != portal) {
            qWarning().noquote() << "cache:\n " << cached.join(QStringLiteral("\n  ")) << "\nportal:\n "
                                 << portal.join(QStringLiteral("\n  "));
            return false;
        }
    }
    return true;
}

QVariant OperationFixture::cachedValue(int id, bool isFile, const QString &column)
{
    return m_loading.cache().value(QStringLiteral("SELECT %1 FROM files_and_folders WHERE id = ? AND is_file = ?").arg(column),
                                   {id, isFile ? 1 : 0});
}

bool OperationFixture::isCached(int id, bool isFile)
{
    return cachedValue(id, isFile, QStringLiteral("id")).isValid();
}

bool OperationFixture::isBusy(int id, bool isFile)
{
    return cachedValue(id, isFile, QStringLiteral("busy")).toInt() == 1;
}

int OperationFixture::busyCount()
{
    return m_loading.cache().count(QStringLiteral("files_and_folders"), QStringLiteral("WHERE busy <> 0"));
}

QList<ReceivedNotification> OperationFixture::notifications(int count)
{
    (void)QTest::qWaitFor([&] { return m_listener.received().size() >= m_seenNotifications + count; }, 10000);
    // The bus keeps one sender's order: once a marker sent after the work's
    // end arrives, an unexpected extra notification has arrived too.
    const QString marker = QStringLiteral("end of the work");
    if (!TestEnvironment::settle())
        qWarning() << "the pool did not become idle";
    const auto isMarker = [&](const ReceivedNotification &one) { return one.summary == marker; };
    const auto markers = [&] {
        const QList<ReceivedNotification> all = m_listener.received();
        return std::count_if(all.begin(), all.end(), isMarker);
    };
    const auto sent = markers();
    Notification end;
    end.setSummary(marker);
    end.publish();
    (void)QTest::qWaitFor([&] { return markers() > sent; }, 10000);
    QList<ReceivedNotification> received = m_listener.received().mid(m_seenNotifications);
    received.erase(std::remove_if(received.begin(), received.end(), isMarker), received.end());
    return received;
}

bool OperationFixture::notified(const QStringList &bodies, const QString &lastSummary)
{
    // Every notification of the application's, shown for three seconds.
    const auto describe = [](const QString &body, const QString &summary, const QString &icon,
                             const QString &appName = QCoreApplication::applicationName(), int timeout = 3000) {
        return QStringLiteral("%1 | %2 | %3 | %4 %5").arg(body, summary, icon, appName).arg(timeout);
    };
    const QString information = QStringLiteral("image://theme/icon-lock-information");
    QStringList expected;
    for (int i = 0; i < bodies.size(); ++i) {
        const QString summary = i + 1 == bodies.size() ? lastSummary : QString();
        expected << describe(bodies.at(i), summary,
                             summary.isEmpty() ? information : QStringLiteral("image://theme/icon-lock-warning"));
    }
    QStringList received;
    for (const ReceivedNotification &notification : notifications(bodies.size()))
        received << describe(notification.body, notification.summary, notification.appIcon, notification.appName,
                             notification.expireTimeout);
    if (received == expected)
        return true;
    qWarning().noquote() << "notifications:\n " << received.join(QStringLiteral("\n  ")) << "\nexpected:\n "
                         << expected.join(QStringLiteral("\n  "));
    return false;
}

int OperationFixture::requestCount(const QString &fragment)
{
    return requests().filter(fragment).size();
}

bool OperationFixture::waitForRequest(const QString &fragment)
{
    return QTest::qWaitFor([&] { return requestCount(fragment) > 0; }, 10000);
}

QString OperationFixture::unusableFolder() const
{
    return m_target->filePath(QStringLiteral("plain/documents"));
}

QStringList OperationFixture::entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList OperationFixture::cacheEntries()
{
    return entries(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

QJsonObject OperationFixture::portalDocument(int id)
{
    for (const QJsonValue &document : simulator().state().value(QStringLiteral("documents")).toArray()) {
        if (document.toObject().value(QStringLiteral("Id")).toInt() == id)
            return document.toObject();
    }
    return {};
}

QByteArray OperationFixture::storedBytes(int fileId)
{
    // The simulator keeps every stored file under files/ by its id.
    return TestEnvironment::readFile(QDir(simulator().dataDirectory()).filePath(QStringLiteral("files/%1").arg(fileId)));
}

QJsonObject OperationFixture::lastTask()
{
    return simulator().state().value(QStringLiteral("tasks")).toArray().last().toObject();
}

QStringList OperationFixture::portalRights(int id, bool isFile)
{
    const auto words = [](const QJsonValue &rights, QChar prefix) {
        QStringList sorted;
        for (const QJsonValue &right : rights.toArray())
            sorted << QStringLiteral("%1%2:%3").arg(prefix)
                          .arg(right[QStringLiteral("PrincipalId")].toInt())
                          .arg(right[QStringLiteral("Type")].toInt());
        sorted.sort();
        return sorted;
    };
    const int type = isFile ? EntityTypes::Document : EntityTypes::Directory;
    for (const QJsonValue &share : simulator().state().value(QStringLiteral("shares")).toArray()) {
        if (share[QStringLiteral("EntityType")].toInt() == type && share[QStringLiteral("EntityId")].toInt() == id)
            return words(share[QStringLiteral("Users")], QLatin1Char('u')) + words(share[QStringLiteral("Roles")], QLatin1Char('g'));
    }
    return {};
}
