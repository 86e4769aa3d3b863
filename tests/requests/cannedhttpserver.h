#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A loopback HTTP endpoint that answers every request with the same raw
// bytes, for cases where the exact wire form matters (broken bodies, odd
// statuses, connections that stall or break mid-reply).
class CannedHttpServer : public QObject
{
    Q_OBJECT
public:
    enum class Ending { KeepOpen, Close };

    explicit CannedHttpServer(QObject *parent = nullptr);

    bool listen();
    QString baseUrl() const;

    // Empty bytes with KeepOpen: the server never answers. With a pause, the
    // head goes at once and then the body chunkBytes at a time with that pause
    // between chunks, like a slow portal that still makes progress.
    void respond(const QByteArray &raw, Ending ending = Ending::Close, int chunkBytes = 0, int pauseMs = 0);
    static QByteArray httpResponse(int status, const QByteArray &body,
                                   const QByteArray &contentType = QByteArrayLiteral("application/json"));

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, int offset);

    QTcpServer m_server;
    QByteArray m_raw;
    Ending m_ending = Ending::Close;
    int m_chunkBytes = 0;
    int m_pauseMs = 0;
};
