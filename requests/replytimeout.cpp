#include "replytimeout.h"

#include "requests/logredactor.h"

#include <QNetworkReply>

#include <atomic>

namespace {
std::atomic<int> s_inactivityTimeoutMs{ReplyTimeout::s_defaultInactivityTimeoutMs};
}

void ReplyTimeout::setInactivityTimeout(int milliseconds)
{
    s_inactivityTimeoutMs = milliseconds;
}

int ReplyTimeout::inactivityTimeout()
{
    return s_inactivityTimeoutMs;
}

void ReplyTimeout::watch(QNetworkReply *reply)
{
    if (reply && !reply->isFinished())
        new ReplyTimeout(reply);
}

bool ReplyTimeout::hasTimedOut(const QNetworkReply *reply)
{
    const auto *timeout = reply ? reply->findChild<ReplyTimeout *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return timeout && timeout->m_timedOut;
}

ReplyTimeout::ReplyTimeout(QNetworkReply *reply)
    : QObject(reply)
    , m_reply(reply)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(inactivityTimeout());
    connect(&m_timer, &QTimer::timeout, this, &ReplyTimeout::expire);
    const auto rearm = [this] { m_timer.start(); };
    connect(reply, &QNetworkReply::metaDataChanged, this, rearm);
    connect(reply, &QNetworkReply::downloadProgress, this, rearm);
    connect(reply, &QNetworkReply::uploadProgress, this, rearm);
    connect(reply, &QNetworkReply::finished, &m_timer, &QTimer::stop);
    m_timer.start();
}

void ReplyTimeout::expire()
{
    qWarning().noquote() << "No progress for" << m_timer.interval() << "ms, request cancelled:"
                         << LogRedactor::urlText(m_reply->url());
    m_timedOut = true;
    m_reply->abort();
}
