#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Points HOME and the XDG locations into one temporary directory before the
// application object exists, so that settings, cache and logs of a test never
// touch the real user's files. Also sets the application's names, and polls
// server tasks every s_pollIntervalMs.
class TestEnvironment
{
public:
    static constexpr int s_pollIntervalMs = 50;

    static void setUp();
    static QString root();
    // Directory holding the built executables (simulator, application); by default the test's own.
    static QString binDirectory();
    // Waits until the global thread pool is idle and what its requests posted
    // is delivered: after it no late answer can still arrive.
    static bool settle(int timeoutMs = 30000);
    // A whole file's bytes, empty when it cannot be read; and a file written whole.
    static QByteArray readFile(const QString &path);
    static bool writeFile(const QString &path, const QByteArray &bytes);
    // A child's standard output, read until it holds the marker, the child ends or the time is up.
    static QByteArray readOutputUntil(QProcess &process, const QByteArray &marker, int timeoutMs);
    // SIGTERM, then SIGKILL for a child that is still running after the time-out.
    static void endProcess(QProcess &process, int timeoutMs);

private:
    static std::unique_ptr<QTemporaryDir> s_root;
};

// Like QTEST_MAIN, with the isolated environment prepared first.
#define VELLIX_TEST_MAIN(TestClass, ApplicationClass)                                                                 \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestEnvironment::setUp();                                                                                      \
        ApplicationClass app(argc, argv);                                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
