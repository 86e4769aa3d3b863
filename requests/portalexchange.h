#pragma once

#include <QByteArray>

#include <memory>

class QHttpMultiPart;
class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

// The network side of one request run: a network access manager of its own,
// made on the running thread, replies that end after a period without
// progress, and a synchronous wait. The replies belong to the exchange and go
// with it.
class PortalExchange
{
public:
    enum class Method { Get, Post, Delete };

    // On quit: the replies of every exchange end at once as cancelled, those
    // started later too, so that no stalled portal holds the process. Any thread.
    static void cancelAll();
    static bool isCancelled();

    PortalExchange();
    ~PortalExchange();

    PortalExchange(const PortalExchange &) = delete;
    PortalExchange &operator=(const PortalExchange &) = delete;

    // Send and wait until the reply has finished.
    QNetworkReply *get(const QNetworkRequest &request);
    QNetworkReply *post(const QNetworkRequest &request, const QByteArray &body);
    QNetworkReply *deleteResource(const QNetworkRequest &request);

    // Send without waiting (uploads report their start, downloads stream).
    QNetworkReply *start(Method method, const QNetworkRequest &request, const QByteArray &body = QByteArray());
    // A multipart POST; the reply takes the message over.
    QNetworkReply *startMultipart(const QNetworkRequest &request, QHttpMultiPart *multiPart);

    // Runs a local event loop until the reply has finished. With a sink, the
    // body of a reply with a success status is written there as it arrives
    // instead of piling up in memory. Returns false when the sink refused
    // data; the reply is then aborted.
    static bool waitForFinished(QNetworkReply *reply, QIODevice *sink = nullptr);

private:
    QNetworkReply *watched(QNetworkReply *reply);

    std::unique_ptr<QNetworkAccessManager> m_manager;
};
