#pragma once

#include <QObject>
#include <QTimer>

class QNetworkReply;

// Ends a reply that has shown no progress for the inactivity time-out: the
// reply is aborted and counts as timed out from then on. Every received or
// sent chunk re-arms the timer, so long transfers that keep moving go on.
class ReplyTimeout : public QObject
{
    Q_OBJECT
public:
    static constexpr int s_defaultInactivityTimeoutMs = 60000;

    // For tests, which cannot wait a minute for a hung portal.
    static void setInactivityTimeout(int milliseconds);
    static int inactivityTimeout();

    // Attaches a time-out to the reply (as its child).
    static void watch(QNetworkReply *reply);
    static bool hasTimedOut(const QNetworkReply *reply);

private:
    explicit ReplyTimeout(QNetworkReply *reply);
    void expire();

    QNetworkReply *m_reply;
    QTimer m_timer;
    bool m_timedOut = false;
};
