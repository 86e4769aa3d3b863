#pragma once

#include <QObject>

class QTimer;

// Watches the online state that requests go by, tells QML and announces each
// change with a system notification.
class InternetConnectionChecker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connectionFine READ connectionFine WRITE setConnectionFine NOTIFY connectionFineChanged)

public:
    static constexpr int s_pollIntervalMs = 4000;

    explicit InternetConnectionChecker(QObject *parent = nullptr);

    bool connectionFine() const { return m_connectionFine; }
    void setConnectionFine(bool fine);

    // The requests' own test, so the watcher never contradicts them: a portal
    // on loopback or a platform without network service counts as online.
    static bool isOnline();

signals:
    void connectionFineChanged();

private slots:
    void updateStatus();

private:
    bool m_connectionFine = true;
    QTimer *m_timer;
};
