#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QObject>
#include <QRunnable>
#include <QString>
#include <QVariantMap>

class QUrl;

// One portal operation. A request carries its parameters, runs once (on the
// global thread pool, or inside a runnable worker's run()), and reports the
// outcome as one result map. Subclasses implement perform(); run() emits
// what it returns, so every run emits requestFinished exactly once.
class RequestInterface : public QObject, public QRunnable
{
    Q_OBJECT
public:
    // Keys every result map shares; a map without "success" means failure.
    static inline const QString s_successKey = QStringLiteral("success");
    static inline const QString s_errorKey = QStringLiteral("error");

    explicit RequestInterface(QObject *parent = nullptr);

    void run() final;

    // The portal address of the settings followed by the path (ApiPath), with
    // "Content-Type" "application/json" and, when signed in, the raw token as
    // "Authorization". Logs "REQUEST" and the URL.
    QNetworkRequest createRequest(const QString &path) const;

    static QByteArray jsonToQByteArray(const QJsonObject &object);
    // The failure text of a reply that came through but is not of the shape
    // the request stands for.
    static QString unreadableAnswerText();
    static bool isOnline();
    // Once at start-up, on the main thread: sets the network stack up there.
    static void initNetworkManager(QObject *parent);

signals:
    void requestFinished(QVariantMap result);

protected:
    // The whole exchange; runs on the thread of run() and returns the result map.
    virtual QVariantMap perform() = 0;

    // What createRequest builds, without its log line.
    static QNetworkRequest portalRequest(const QString &path);
    static QUrl portalUrl(const QString &path);
    // The stored access token as header value, empty before sign-in.
    static QByteArray authorizationValue();

    // {"success": false, "error": message}
    static QVariantMap failureResult(const QString &message);
    // What sign-in and refresh report without a network.
    static QVariantMap offlineResult();

    // Log lines with credentials and tokens masked.
    static void logBody(const QJsonObject &body, const char *label = "Body:");
    static void logBody(const QJsonDocument &body, const char *label = "Body:");
    static void logResult(const QVariantMap &result, const char *label = "Result:");
};
