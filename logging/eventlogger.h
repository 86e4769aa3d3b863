#pragma once

#include <QDate>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QTextStream>
#include <QVariantMap>

// The process-wide message handler: while debug output is switched on in the
// settings, every message becomes one line of the day's log file; files older
// than seven days are removed when a new day's file is started.
class EventLogger
{
public:
    explicit EventLogger(const QString &baseDirectory);
    ~EventLogger();

    EventLogger(const EventLogger &) = delete;
    EventLogger &operator=(const EventLogger &) = delete;

    // Called from whatever thread logs; calls are serialised.
    void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);
    void setShowLogs(bool showLogs);

    static QString variantMapToJsonString(const QVariantMap &map);

private:
    static const QHash<int, QString> s_messageTypes;
    static QString typeTag(QtMsgType type);

    // The logger's own lines go to standard error, never into its file: they
    // arise while a message is handled.
    static void reportToStandardError(const QString &line);

    void changeLogFileIfNeeded();
    void cleanup();
    void prepareOutputStream();
    bool prepareWritableFile();

    bool m_showLogs = true;
    QFile m_file;
    QTextStream m_stream;
    QString m_logDirectory;
    QString m_fileName;
    QDate m_currentDate;
    QMutex m_mutex;
};
