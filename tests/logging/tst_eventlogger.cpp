#include "logging/eventlogger.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QDate>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThreadPool>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {
void log(EventLogger &logger, const QString &text, QtMsgType type = QtInfoMsg, int line = 12)
{
    logger.handleMessage(type, QMessageLogContext("source.cpp", line, "void function()", "default"), text);
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

class TestEventLogger : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_base;

    QString logDirectory() const { return m_base.path() + QStringLiteral("/VellixOffice-logs/"); }
    QString todaysFile() const { return logDirectory() + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".txt"); }
    QStringList todaysLines() const
    {
        return QString::fromUtf8(TestEnvironment::readFile(todaysFile())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        QDir(logDirectory()).removeRecursively();
        Settings().saveDebugOut(true);
    }

    // A second logger of the same day appends to the day's file.
    void lineFormat()
    {
        {
            EventLogger first(m_base.path());
            log(first, QStringLiteral("first run"));
        }
        EventLogger logger(m_base.path());
        log(logger, QStringLiteral("Привет, log"), QtWarningMsg, 77);
        const QStringList lines = todaysLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.first().contains(QStringLiteral("first run")));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: ")).match(lines.last()).hasMatch(),
                 qPrintable(lines.last()));
        QCOMPARE(lines.last().mid(21), QStringLiteral("[%1[1;31mWarning%1[0m] - Привет, log in (source.cpp, void function():77)")
                                           .arg(QChar(27)));
    }

    void oldFilesAreRemoved_data()
    {
        QTest::addColumn<int>("ageInDays");
        QTest::newRow("8 days") << 8;
        QTest::newRow("6 days") << 6;
    }

    void oldFilesAreRemoved()
    {
        QFETCH(int, ageInDays);
        QDir().mkpath(logDirectory());
        const QString old = logDirectory() + QStringLiteral("old.txt");
        const QString other = logDirectory() + QStringLiteral("notes.md");
        for (const QString &path : {old, other}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1 && file.flush());
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays), QFileDevice::FileModificationTime));
        }
        EventLogger logger(m_base.path());
        log(logger, QStringLiteral("opens the day"));
        QCOMPARE(QFile::exists(old), ageInDays < 7);
        QVERIFY(QFile::exists(other) && QFile::exists(todaysFile()));
    }

    void linesFromManyThreadsStayWhole()
    {
        EventLogger logger(m_base.path());
        QThreadPool pool;
        pool.setMaxThreadCount(8);
        for (int t = 0; t < 8; ++t) {
            pool.start(QRunnable::create([&logger, t] {
                for (int i = 0; i < 150; ++i)
                    log(logger, QStringLiteral("thread %1 line %2 %3").arg(t).arg(i).arg(QString(40, QLatin1Char('x'))));
            }));
        }
        pool.waitForDone();
        const QStringList lines = todaysLines();
        QCOMPARE(lines.size(), 8 * 150);
        const QRegularExpression whole(QStringLiteral("^\\S+ \\S+: \\S+ - thread \\d+ line \\d+ x{40} in \\(source.cpp, void function\\(\\):12\\)$"));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }

    // The switch is read once and then follows the changes made through Settings.
    void switchFollowsSettingsNotTheFile()
    {
        Settings settings;
        settings.saveDebugOut(false);
        EventLogger logger(m_base.path());
        // Written behind the back of Settings: the file is not read again.
        QSettings(Settings::defaultFilePath(), QSettings::IniFormat).setValue(Settings::debugOutKey(), true);
        log(logger, QStringLiteral("dropped"));
        // Switched off, the logger keeps nothing, not even its directory.
        QVERIFY(!QFileInfo::exists(logDirectory()));
        settings.saveDebugOut(true);
        log(logger, QStringLiteral("kept"));
        QCOMPARE(todaysLines().size(), 1);
        settings.clearUserSettings();
        log(logger, QStringLiteral("dropped again"));
        QCOMPARE(todaysLines().size(), 1);
    }

    // The logger survives a file it cannot open and says so on standard error.
    void unopenableFileIsReportedOnStandardError()
    {
        QTemporaryDir base;
        // A plain file where the directory should be.
        QFile blocker(base.path() + QStringLiteral("/VellixOffice-logs"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        EventLogger logger(base.path());
        const QString error = QString::fromLocal8Bit(standardErrorOf([&] {
            log(logger, QStringLiteral("lost"), QtWarningMsg);
            log(logger, QStringLiteral("lost too"));
        }));
        QVERIFY2(error.contains(QStringLiteral("Ошибка открытия лог-файла %1/VellixOffice-logs/").arg(base.path())),
                 qPrintable(error));
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
        QCOMPARE(blocker.size(), 0);
    }
};

VELLIX_TEST_MAIN(TestEventLogger, QCoreApplication)
#include "tst_eventlogger.moc"
