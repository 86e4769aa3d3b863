#include "cannedhttpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

CannedHttpServer::CannedHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &CannedHttpServer::accept);
}

bool CannedHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost);
}

QString CannedHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void CannedHttpServer::respond(const QByteArray &raw, Ending ending, int chunkBytes, int pauseMs)
{
    m_raw = raw;
    m_ending = ending;
    m_chunkBytes = chunkBytes;
    m_pauseMs = pauseMs;
}

QByteArray CannedHttpServer::httpResponse(int status, const QByteArray &body, const QByteArray &contentType)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Canned\r\nContent-Type: " + contentType
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

void CannedHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void CannedHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    const int headEnd = received.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return;
    int length = 0;
    for (const QByteArray &line : received.left(headEnd).split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            length = line.mid(15).trimmed().toInt();
    }
    if (received.size() < headEnd + 4 + length)
        return;
    socket->setProperty("received", QByteArray());
    answer(socket, 0);
}

void CannedHttpServer::answer(QTcpSocket *socket, int offset)
{
    const int headEnd = m_raw.indexOf("\r\n\r\n") + 4;
    const int size = m_pauseMs <= 0 ? m_raw.size() : offset < headEnd ? headEnd - offset : m_chunkBytes;
    socket->write(m_raw.mid(offset, size));
    socket->flush();
    if (offset + size < m_raw.size()) {
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(m_pauseMs, this, [this, guarded, offset, size] {
            if (guarded)
                answer(guarded, offset + size);
        });
    } else if (m_ending == Ending::Close) {
        socket->disconnectFromHost();
    }
}
