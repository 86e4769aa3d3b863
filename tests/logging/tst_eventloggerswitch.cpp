#include "logging/eventlogger.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {

void log(EventLogger &logger, const QString &text)
{
    const QMessageLogContext context("source.cpp", 1, "void function()", "default");
    logger.handleMessage(QtInfoMsg, context, text);
}

// What the process writes to standard error while `body` runs.
template <typename Body>
QByteArray standardErrorOf(Body body)
{
    QTemporaryFile capture;
    if (!capture.open())
        return QByteArray();
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    body();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    return capture.readAll();
}

} // namespace

// The logger reads the debug switch once and follows the changes made
// through Settings; its own lines go to standard error.
class TestEventLoggerSwitch : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_base;

    QString todaysFile() const
    {
        return m_base.path() + QStringLiteral("/VellixOffice-logs/") + QDate::currentDate().toString(Qt::ISODate)
               + QStringLiteral(".txt");
    }

    int todaysLineCount() const
    {
        QFile file(todaysFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
    }

private slots:
    void switchFollowsSettingsNotTheFile()
    {
        Settings settings;
        settings.saveDebugOut(false);
        EventLogger logger(m_base.path());
        // Written behind the back of Settings: the file is not read again.
        QSettings(Settings::defaultFilePath(), QSettings::IniFormat).setValue(Settings::debugOutKey(), true);
        log(logger, QStringLiteral("dropped"));
        // Switched off, the logger keeps nothing, not even its directory.
        QVERIFY(!QFileInfo::exists(QFileInfo(todaysFile()).path()));
        settings.saveDebugOut(true);
        log(logger, QStringLiteral("kept"));
        QCOMPARE(todaysLineCount(), 1);
        settings.clearUserSettings();
        log(logger, QStringLiteral("dropped again"));
        QCOMPARE(todaysLineCount(), 1);
    }

    void ownLinesReachStandardError()
    {
        Settings().saveDebugOut(true);
        QTemporaryDir base;
        // A plain file where the directory should be: nothing can be opened.
        QFile blocker(base.path() + QStringLiteral("/VellixOffice-logs"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        EventLogger logger(base.path());
        const QString error = QString::fromLocal8Bit(standardErrorOf([&] { log(logger, QStringLiteral("lost")); }));
        QVERIFY2(error.contains(QStringLiteral("Ошибка открытия лог-файла %1/VellixOffice-logs/").arg(base.path())),
                 qPrintable(error));
        QCOMPARE(blocker.size(), 0);
    }
};

VELLIX_TEST_MAIN(TestEventLoggerSwitch, QCoreApplication)
#include "tst_eventloggerswitch.moc"
