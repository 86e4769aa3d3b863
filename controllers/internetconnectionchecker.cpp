#include "internetconnectionchecker.h"

#include "requests/onlinestate.h"
#include "workers/workernotify.h"

#include <QTimer>

InternetConnectionChecker::InternetConnectionChecker(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(s_pollIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &InternetConnectionChecker::updateStatus);
    m_timer->start();
}

void InternetConnectionChecker::setConnectionFine(bool fine)
{
    if (m_connectionFine == fine)
        return;
    m_connectionFine = fine;
    emit connectionFineChanged();
}

bool InternetConnectionChecker::isOnline()
{
    return OnlineState::isOnline();
}

void InternetConnectionChecker::updateStatus()
{
    const bool online = isOnline();
    if (online != m_connectionFine) {
        setConnectionFine(online);
        if (online)
            publishNotify(WorkerNotify::Info, tr("Internet connection restored"), QString());
        else
            publishNotify(WorkerNotify::Warning, tr("Internet connection lost"), QString());
    }
    m_timer->start();
}
