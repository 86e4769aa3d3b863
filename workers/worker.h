#pragma once

#include "requests/requestinterface.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QVariantMap>

class DataAccessObject;
class Settings;

// One user-level operation: runs its requests, stores what they returned and
// reports once through workFinished.
class Worker : public QObject
{
    Q_OBJECT
public:
    Worker(Settings *settings, DataAccessObject *dao, QObject *parent);

    void disconnectSignals();

signals:
    void workFinished(bool success, const QString &errorMessage = QString());

protected:
    void publishInfoNotify(const QString &body, const QString &summary = QString());
    void publishWarningNotify(const QString &body, const QString &summary = QString());

    // Starts the request on the global pool; its result reaches the handler on
    // this worker's thread. The pool frees the request.
    template <typename W>
    void startRequest(RequestInterface *request, void (W::*handler)(const QVariantMap &))
    {
        connect(request, &RequestInterface::requestFinished, static_cast<W *>(this), handler, Qt::QueuedConnection);
        QThreadPool::globalInstance()->start(request);
    }

    Settings *m_settings;
    DataAccessObject *m_dao;
};
