#include "logging/eventlogger.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

class TestEventLogger : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_base;

    QString logDirectory() const { return m_base.path() + QStringLiteral("/VellixOffice-logs/"); }
    QString todaysFile() const { return logDirectory() + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".txt"); }

    QStringList todaysLines() const
    {
        QFile file(todaysFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    static void log(EventLogger &logger, QtMsgType type, const QString &text, int line = 12)
    {
        const QMessageLogContext context("source.cpp", line, "void function()", "default");
        logger.handleMessage(type, context, text);
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
            log(first, QtInfoMsg, QStringLiteral("first run"));
        }
        EventLogger logger(m_base.path());
        log(logger, QtWarningMsg, QStringLiteral("Привет, log"), 77);
        const QStringList lines = todaysLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.first().contains(QStringLiteral("first run")));
        const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: "));
        QVERIFY2(stamp.match(lines.last()).hasMatch(), qPrintable(lines.last()));
        QCOMPARE(lines.last().mid(21), QStringLiteral("[%1[1;31mWarning%1[0m] - Привет, log in (source.cpp, void function():77)")
                                           .arg(QChar(27)));
    }

    void oldFilesAreRemoved_data()
    {
        QTest::addColumn<int>("ageInDays");
        QTest::addColumn<bool>("kept");
        QTest::newRow("8 days") << 8 << false;
        QTest::newRow("30 days") << 30 << false;
        QTest::newRow("6 days") << 6 << true;
        QTest::newRow("today") << 0 << true;
    }

    void oldFilesAreRemoved()
    {
        QFETCH(int, ageInDays);
        QFETCH(bool, kept);
        QDir().mkpath(logDirectory());
        const QString old = logDirectory() + QStringLiteral("old.txt");
        const QString other = logDirectory() + QStringLiteral("notes.md");
        for (const QString &path : {old, other}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
            file.flush();
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays), QFileDevice::FileModificationTime));
        }
        EventLogger logger(m_base.path());
        log(logger, QtInfoMsg, QStringLiteral("opens the day"));
        QCOMPARE(QFile::exists(old), kept);
        QVERIFY(QFile::exists(other));
        QVERIFY(QFile::exists(todaysFile()));
    }

    void linesFromManyThreadsStayWhole()
    {
        EventLogger logger(m_base.path());
        QThreadPool pool;
        pool.setMaxThreadCount(8);
        const int threads = 8;
        const int perThread = 150;
        for (int t = 0; t < threads; ++t) {
            pool.start(QRunnable::create([&logger, t] {
                for (int i = 0; i < perThread; ++i)
                    log(logger, QtInfoMsg, QStringLiteral("thread %1 line %2 %3").arg(t).arg(i).arg(QString(40, QLatin1Char('x'))));
            }));
        }
        pool.waitForDone();
        const QStringList lines = todaysLines();
        QCOMPARE(lines.size(), threads * perThread);
        const QRegularExpression whole(QStringLiteral("^\\S+ \\S+: \\S+ - thread \\d+ line \\d+ x{40} in \\(source.cpp, void function\\(\\):12\\)$"));
        for (const QString &line : lines)
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
    }

    void unopenableFileIsSurvived()
    {
        // A plain file where the directory should be: nothing can be opened.
        QTemporaryDir base;
        QFile blocker(base.path() + QStringLiteral("/VellixOffice-logs"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        EventLogger logger(base.path());
        log(logger, QtWarningMsg, QStringLiteral("lost"));
        log(logger, QtInfoMsg, QStringLiteral("lost too"));
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
        QCOMPARE(blocker.size(), 0);
    }

};

VELLIX_TEST_MAIN(TestEventLogger, QCoreApplication)
#include "tst_eventlogger.moc"
