#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QUrl>

// One plain HTTP exchange with the simulator, outside the client's request
// frame, to see the portal's side of what a test did.
struct PortalCall
{
    int status = 0;
    QByteArray body;

    static PortalCall send(const QByteArray &method, const QUrl &url, const QString &token = QString(),
                           const QByteArray &body = QByteArray());
    QJsonObject object() const;
};
