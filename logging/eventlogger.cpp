#include "eventlogger.h"

#include "settings/settings.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

#include <cstdio>

const QHash<int, QString> EventLogger::s_messageTypes = {
    {QtDebugMsg, QStringLiteral("Debug")},       {QtWarningMsg, QStringLiteral("Warning")},
    {QtCriticalMsg, QStringLiteral("Critical")}, {QtFatalMsg, QStringLiteral("Fatal")},
    {QtInfoMsg, QStringLiteral("Info")},
};

EventLogger::EventLogger(const QString &baseDirectory)
    : m_logDirectory(baseDirectory + QStringLiteral("/VellixOffice-logs/"))
    , m_fileName(QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".txt"))
{
}

EventLogger::~EventLogger()
{
    m_stream.flush();
    m_file.close();
}

void EventLogger::setShowLogs(bool showLogs)
{
    m_showLogs = showLogs;
}

QString EventLogger::typeTag(QtMsgType type)
{
    const QChar esc(27);
    QString colour;
    switch (type) {
    case QtDebugMsg:
        colour = QStringLiteral("[1;33m");
        break;
    case QtWarningMsg:
    case QtCriticalMsg:
    case QtFatalMsg:
        colour = QStringLiteral("[1;31m");
        break;
    case QtInfoMsg:
        colour = QStringLiteral("[1;32m");
        break;
    default:
        return QStringLiteral("[Unhandled]");
    }
    return QStringLiteral("[") + esc + colour + s_messageTypes.value(type) + esc + QStringLiteral("[0m]");
}

void EventLogger::handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!debugStatus())
        return;
    const QString line = QStringLiteral("%1: %2 - %3 in (%4, %5:%6)")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                                  typeTag(type), message, QString::fromUtf8(context.file),
                                  QString::fromUtf8(context.function))
                             .arg(context.line);
    QMutexLocker lock(&m_mutex);
    changeLogFileIfNeeded();
    if (!m_file.isOpen())
        return;
    m_stream << line << '\n';
    // Each line reaches the disk at once, so a crash loses nothing before it.
    m_stream.flush();
}

void EventLogger::reportToStandardError(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void EventLogger::changeLogFileIfNeeded()
{
    const QDate today = QDate::currentDate();
    if (today == m_currentDate)
        return;
    reportToStandardError(QStringLiteral("Начались новые сутки."));
    m_stream.flush();
    m_file.close();
    m_currentDate = today;
    cleanup();
    prepareOutputStream();
}

void EventLogger::cleanup()
{
    reportToStandardError(QStringLiteral("Clear log files older than 7 days."));
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList files = QDir(m_logDirectory).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::NoSort);
    for (const QFileInfo &file : files) {
        // A log file is only ever appended to, so its creation is the earlier of
        // birth and last write; file systems without a birth time give the latter.
        QDateTime created = file.lastModified();
        if (file.birthTime().isValid() && file.birthTime() < created)
            created = file.birthTime();
        if (created.addDays(7) < now)
            QFile::remove(file.absoluteFilePath());
    }
}

bool EventLogger::prepareWritableFile()
{
    m_fileName = m_currentDate.toString(Qt::ISODate) + QStringLiteral(".txt");
    if (!QDir().mkpath(m_logDirectory))
        return false;
    m_file.setFileName(m_logDirectory + m_fileName);
    reportToStandardError(QStringLiteral("Попытка открытия лог-файла %1.").arg(m_file.fileName()));
    return m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void EventLogger::prepareOutputStream()
{
    if (!prepareWritableFile()) {
        // Without a file the process carries on; lines of this day are lost.
        reportToStandardError(QStringLiteral("Ошибка открытия лог-файла %1.").arg(m_logDirectory + m_fileName));
        return;
    }
    reportToStandardError(QStringLiteral("Лог-файл %1 открыт на запись.").arg(m_file.fileName()));
    m_stream.setDevice(&m_file);
    m_stream.setCodec("utf-8");
}

QString EventLogger::variantMapToJsonString(const QVariantMap &map)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(map)).toJson(QJsonDocument::Compact));
}
