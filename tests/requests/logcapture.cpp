#include "logcapture.h"

LogCapture *LogCapture::s_current = nullptr;

LogCapture::LogCapture()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&m_mutex);
    return m_lines;
}

QStringList LogCapture::linesWith(const QString &text) const
{
    return lines().filter(text);
}

void LogCapture::clear()
{
    QMutexLocker locker(&m_mutex);
    m_lines.clear();
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (LogCapture *capture = s_current) {
        QMutexLocker locker(&capture->m_mutex);
        capture->m_lines << message;
    }
    // QTest's own output still goes where it belongs.
    if (type != QtInfoMsg && type != QtDebugMsg && s_current && s_current->m_previous)
        s_current->m_previous(type, context, message);
}
