#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Collects every log message of the process, from any thread, while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    // The lines that contain the text.
    QStringList linesWith(const QString &text) const;
    void clear();

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    static LogCapture *s_current;
    QtMessageHandler m_previous;
    mutable QMutex m_mutex;
    QStringList m_lines;
};
