#include "securestorage/passwordgenerator.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QtTest>

// Run with an argument, the suite prints the fixed-seed sequence and exits,
// so that two processes can be compared.
class TestPasswordGenerator : public QObject
{
    Q_OBJECT
private:
    static QString suffixOf(const QString &password)
    {
        const QString prefix = PasswordGenerator().getDeviceId() + QLatin1Char('-');
        return password.startsWith(prefix) ? password.mid(prefix.size()) : QString();
    }

    static QByteArray fixedSeedSequenceOfAnotherRun()
    {
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("printFixedSeedSequence")});
        return run.waitForFinished(30000) ? run.readAllStandardOutput() : QByteArray();
    }

private slots:
    void passwordsAreDeviceIdDashAndEightCharacters_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("fixed seed") << 0;
        QTest::newRow("time seeded") << 1;
        QTest::newRow("system source") << 2;
    }

    void passwordsAreDeviceIdDashAndEightCharacters()
    {
        QFETCH(int, kind);
        const PasswordGenerator generator;
        QVERIFY(!generator.getDeviceId().isEmpty());
        QCOMPARE(generator.getPureDeviceId(), generator.getDeviceId());
        QSet<QString> suffixes;
        for (int i = 0; i < 50; ++i) {
            const QString password = kind == 0 ? generator.getPseudoRandomPassword()
                : kind == 1                    ? generator.getRandomPassword()
                                               : generator.getSecureRandomPassword();
            const QString suffix = suffixOf(password);
            QCOMPARE(suffix.size(), 8);
            for (const QChar character : suffix)
                QVERIFY2(PasswordGenerator::alphabet().contains(character), qPrintable(password));
            suffixes.insert(suffix);
        }
        // Each call goes on with its generator's sequence.
        QVERIFY(suffixes.size() > 45);
        QCOMPARE(generator.getPassword(PasswordGenerator::FixedSeed, 0), QString());
        QCOMPARE(generator.getPassword(PasswordGenerator::TimeSeeded, 12).size(), 12);
    }

    void onlyTheFixedSeedRepeatsInEveryRun()
    {
        const QByteArray first = fixedSeedSequenceOfAnotherRun();
        QVERIFY(!first.isEmpty());
        QCOMPARE(fixedSeedSequenceOfAnotherRun(), first);
        const PasswordGenerator generator;
        QSet<QString> fresh;
        for (int i = 0; i < 10; ++i)
            fresh.insert(generator.getSecureRandomPassword());
        QCOMPARE(fresh.size(), 10);
        QVERIFY(!first.contains(suffixOf(generator.getSecureRandomPassword()).toUtf8()));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "printFixedSeedSequence") == 0) {
        QCoreApplication app(argc, argv);
        const PasswordGenerator generator;
        for (int i = 0; i < 5; ++i)
            std::printf("%s\n", qPrintable(generator.getPassword(PasswordGenerator::FixedSeed, 8)));
        return 0;
    }
    TestEnvironment::setUp();
    QCoreApplication app(argc, argv);
    TestPasswordGenerator test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_passwordgenerator.moc"
