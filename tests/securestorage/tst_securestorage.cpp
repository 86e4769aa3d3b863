#include "securestorage/passwordgenerator.h"
#include "securestorage/sstorewrapper.h"
#include "securestorageserviceprocess.h"
#include "testenvironment.h"

#include <QDirIterator>
#include <QtTest>

#include <cstdio>

namespace {
bool isMountPoint(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    return table.open(QIODevice::ReadOnly) && table.readAll().contains(" " + QFile::encodeName(path) + " ");
}

QByteArray allBytesBelow(const QString &directory)
{
    QByteArray bytes;
    QDirIterator files(directory, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            bytes += file.readAll();
    }
    return bytes;
}

// Run with this argument, the suite prints the fixed-seed sequence and exits,
// so that two processes can be compared.
const char s_printFixedSeed[] = "printFixedSeedSequence";

QByteArray fixedSeedSequenceOfAnotherRun()
{
    QProcess run;
    run.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(s_printFixedSeed)});
    return run.waitForFinished(30000) ? run.readAllStandardOutput() : QByteArray();
}
} // namespace

class TestSecureStorage : public QObject
{
    Q_OBJECT
private:
    SecureStorageServiceProcess m_service;

private slots:
    void initTestCase() { QVERIFY(m_service.startBus()); }

    // What a new container's password is drawn from: the fixed seed repeats in every run.
    void containerPasswordsComeFromTheSystemSource()
    {
        const PasswordGenerator generator;
        const QString prefix = generator.getDeviceId() + QLatin1Char('-');
        QVERIFY(prefix.size() > 1);
        const QByteArray fixedSeedSequence = fixedSeedSequenceOfAnotherRun();
        QVERIFY(!fixedSeedSequence.isEmpty());
        QCOMPARE(fixedSeedSequenceOfAnotherRun(), fixedSeedSequence);
        QSet<QString> suffixes;
        for (int i = 0; i < 50; ++i) {
            const QString password = generator.getSecureRandomPassword();
            QVERIFY(password.startsWith(prefix));
            const QString suffix = password.mid(prefix.size());
            QCOMPARE(suffix.size(), 8);
            for (const QChar character : suffix)
                QVERIFY2(PasswordGenerator::alphabet().contains(character), qPrintable(password));
            QVERIFY(!fixedSeedSequence.contains(suffix.toUtf8()));
            suffixes.insert(suffix);
        }
        QCOMPARE(suffixes.size(), 50);
    }

    void statusFollowsTheService_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("withoutTools");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("no service on the bus") << false << QStringList() << false << 2 << QStringLiteral("SSTORE not install");
        QTest::newRow("caller refused") << true << QStringList{QStringLiteral("--allow-uid"), QStringLiteral("4242")}
                                        << false << 1 << QStringLiteral("Permission error");
        QTest::newRow("no FUSE tools") << true << QStringList() << true << 3 << QStringLiteral("Unexpected error");
        QTest::newRow("ready") << true << QStringList() << false << 0 << QStringLiteral("Storage ready");
    }

    void statusFollowsTheService()
    {
        QFETCH(bool, running);
        QFETCH(QStringList, arguments);
        QFETCH(bool, withoutTools);
        QFETCH(int, status);
        QFETCH(QString, text);
        m_service.stop();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (withoutTools)
            environment.insert(QStringLiteral("PATH"), TestEnvironment::root());
        if (running)
            QVERIFY(m_service.start(arguments, environment));
        SecureStorage storage;
        QCOMPARE(storage.sstoreStatus(), status);
        QCOMPARE(SecureStorage::statusToString(status), text);
        // Nothing pretends to work on a service that cannot be used.
        QCOMPARE(storage.exists(), false);
        QCOMPARE(storage.create(QStringLiteral("secret")), status == 0);
        QCOMPARE(storage.deleteStorage(), status == 0);
        if (withoutTools)
            QVERIFY(m_service.serviceLog().contains("FUSE is not usable"));
        QCOMPARE(SecureStorage::statusToString(4), QString());
    }

    void containerLifeCycle()
    {
        QVERIFY(m_service.start());
        SecureStorage storage;
        const QString password = QStringLiteral("device-Ab3$xY9!");
        QVERIFY(storage.create(password));
        QVERIFY(storage.exists());
        QVERIFY(!storage.create(password));
        QCOMPARE(storage.open(QStringLiteral("wrong")), quint8(2));
        QVERIFY(storage.path().isEmpty());
        QCOMPARE(storage.open(QString()), quint8(1));

        QCOMPARE(storage.open(password), quint8(0));
        const QString mountPath = storage.path();
        QVERIFY(isMountPoint(mountPath));
        const QByteArray secret = "quarterly figures, not for the eyes of others";
        QFile document(mountPath + QStringLiteral("/report.txt"));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.write(secret);
        document.close();
        QVERIFY(!allBytesBelow(m_service.cipherDirectory()).contains("quarterly"));

        // Opening an open container checks the password all the same.
        QCOMPARE(storage.open(password), quint8(0));
        QCOMPARE(storage.path(), mountPath);
        QCOMPARE(storage.open(QStringLiteral("wrong")), quint8(2));

        QVERIFY(storage.close());
        QVERIFY(!isMountPoint(mountPath));
        QVERIFY(!QFile::exists(mountPath + QStringLiteral("/report.txt")));
        QVERIFY(storage.close());

        QCOMPARE(storage.open(password), quint8(0));
        QFile reopened(mountPath + QStringLiteral("/report.txt"));
        QVERIFY(reopened.open(QIODevice::ReadOnly));
        QCOMPARE(reopened.readAll(), secret);
        reopened.close();

        // A service that stops closes what it opened.
        m_service.stop();
        QVERIFY(!isMountPoint(mountPath));
        QVERIFY(m_service.start());
        QCOMPARE(storage.open(password), quint8(0));

        QVERIFY(storage.deleteStorage());
        QVERIFY(!isMountPoint(mountPath));
        QVERIFY(!storage.exists());
        QVERIFY(!QFile::exists(m_service.cipherDirectory()));
        QVERIFY(!storage.deleteStorage());
        QCOMPARE(storage.open(password), quint8(4));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], s_printFixedSeed) == 0) {
        for (int i = 0; i < 5; ++i)
            std::printf("%s\n", qPrintable(PasswordGenerator().getPassword(PasswordGenerator::FixedSeed, 8)));
        return 0;
    }
    TestEnvironment::setUp();
    QCoreApplication app(argc, argv);
    TestSecureStorage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_securestorage.moc"
