#include "loadingfixture.h"

#include "portalrefusal.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QDebug>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>

#include <tuple>

bool LoadingFixture::start()
{
    if (!m_simulator.start())
        return false;
    m_token = m_simulator.validAccessToken();
    Settings settings;
    settings.savePortalAddress(m_simulator.baseUrl());
    settings.saveAccessToken(m_token);
    return !m_token.isEmpty() && reset();
}

bool LoadingFixture::reset()
{
    m_cache.reset();
    m_cache = std::make_unique<CacheFixture>();
    // A reset forgets tokens: sign in again.
    if (!m_simulator.reset())
        return false;
    m_token = m_simulator.validAccessToken();
    Settings().saveAccessToken(m_token);
    return !m_token.isEmpty() && m_simulator.clearRequests();
}

QJsonDocument LoadingFixture::portal(const QByteArray &method, const QString &path, const QJsonObject &body)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(m_simulator.baseUrl() + path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Authorization", m_token.toUtf8());
    QNetworkReply *reply = manager.sendCustomRequest(
        request, method, body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const QJsonDocument document = QJsonDocument::fromJson(reply->readAll());
    delete reply;
    return document;
}

QJsonArray LoadingFixture::portalFolders(int folderId)
{
    return portal("GET", folderId > 0 ? PortalPath::s_folders + QStringLiteral("?id=%1").arg(folderId) : PortalPath::s_folders)
        .array();
}

QJsonArray LoadingFixture::portalDocuments(int folderId)
{
    return portal("POST", PortalPath::s_documents, {{QStringLiteral("Ids"), QJsonArray{folderId}}})
        .object()
        .value(QStringLiteral("Items"))
        .toArray();
}

QJsonArray LoadingFixture::flattened(const QJsonArray &folders)
{
    QJsonArray all;
    QList<QJsonArray> pending{folders};
    while (!pending.isEmpty()) {
        for (const QJsonValue &folder : pending.takeFirst()) {
            all.append(folder);
            pending.append(folder.toObject().value(QStringLiteral("Children")).toArray());
        }
    }
    return all;
}

QJsonArray LoadingFixture::children(const QJsonArray &folders)
{
    QJsonArray all;
    for (const QJsonValue &folder : folders) {
        for (const QJsonValue &child : folder.toObject().value(QStringLiteral("Children")).toArray())
            all.append(child);
    }
    return all;
}

namespace {
QString row(bool isFile, const QVariant &id, const QVariant &name, const QVariant &parent, const QVariant &owner,
            const QVariant &timestamp, const QVariant &favorite, const QVariant &shared, const QVariant &typeOrSize)
{
    return QStringList{isFile ? QStringLiteral("file") : QStringLiteral("folder"), id.toString(), name.toString(),
                       parent.toString(), owner.toString(), timestamp.toString(), QString::number(favorite.toInt()),
                       QString::number(shared.toInt()), typeOrSize.toString()}
        .join(QLatin1Char('|'));
}
} // namespace

QStringList LoadingFixture::rows(const QJsonArray &folders, const QJsonArray &documents)
{
    QStringList result;
    for (const bool isFile : {false, true}) {
        for (const QJsonValue &value : isFile ? documents : folders) {
            const QVariantMap object = value.toObject().toVariantMap();
            const auto field = [&object](const char *key) { return object.value(QString::fromLatin1(key)); };
            result.append(row(isFile, field("Id").toInt(), field("Name"), field(isFile ? "DirectoryId" : "ParentId").toInt(),
                              field("OwnerId").toInt(), field("Timestamp"), field("IsFavorite").toBool(),
                              field("IsShared").toBool(), isFile ? field("Size").toInt() : field("Type").toInt()));
        }
    }
    result.sort();
    return result;
}

QStringList LoadingFixture::cachedRows(const QString &table, const QString &where) const
{
    QSqlQuery query(m_cache->dao().db());
    query.exec(QStringLiteral("SELECT * FROM %1 %2").arg(table, where));
    QStringList result;
    while (query.next()) {
        const QSqlRecord record = query.record();
        const auto column = [&record](const char *name) { return record.value(QString::fromLatin1(name)); };
        const bool isFile = column("is_file").toBool();
        result.append(row(isFile, column("id"), column("name"), column("parent_id"), column("owner_id"),
                          column("timestamp"), column("is_favorite"), column("is_shared"),
                          isFile ? column("size") : column("type")));
    }
    result.sort();
    return result;
}

QStringList LoadingFixture::cachedUsers() const
{
    QSqlQuery query(m_cache->dao().db());
    query.exec(QStringLiteral("SELECT id, name, email FROM users ORDER BY id"));
    QStringList result;
    while (query.next())
        result.append(QStringLiteral("%1|%2|%3").arg(query.value(0).toString(), query.value(1).toString(),
                                                    query.value(2).toString()));
    return result;
}

QStringList LoadingFixture::receivedRequests()
{
    QStringList result;
    for (const QJsonValue &value : m_simulator.requests()) {
        const QJsonObject request = value.toObject();
        result.append(request.value(QStringLiteral("method")).toString() + QLatin1Char(' ')
                      + request.value(QStringLiteral("target")).toString());
    }
    return result;
}

void LoadingFixture::failureClasses(const QStringList &paths)
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("message");
    // The fault for setFault and the error a worker reports for it.
    const QList<std::tuple<const char *, QJsonObject, QString>> failures{
        {"portal error", PortalRefusal::fault(), PortalRefusal::text()},
        {"expired sign-in", {{"status", 401}}, QStringLiteral("Authorization error:\nIncorrect login and/or password. Error 401.")},
        {"unreadable answer", {{"status", 200}, {"body", "<html>"}}, QStringLiteral("The portal sent an answer that cannot be read.")},
        {"dropped connection", {{"mode", "drop"}}, QStringLiteral("The portal closed the connection.")}};
    for (const QString &path : paths) {
        for (const auto &failure : failures)
            QTest::addRow("%s: %s", qPrintable(path.section(QLatin1Char('/'), -1)), std::get<0>(failure))
                << path << std::get<1>(failure) << std::get<2>(failure);
    }
}

bool finishedOnce(QSignalSpy &spy)
{
    if (spy.isEmpty() && !spy.wait(15000))
        return false;
    return TestEnvironment::settle() && spy.count() == 1;
}

bool finishedWith(QSignalSpy &spy, bool success, const QString &message)
{
    if (!finishedOnce(spy))
        return false;
    const QList<QVariant> outcome = spy.first();
    if (outcome.at(0).toBool() == success && outcome.at(1).toString() == message)
        return true;
    qWarning() << "Finished with" << outcome << "instead of" << success << message;
    return false;
}
