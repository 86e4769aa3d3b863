#include "cachetestsupport.h"
#include "settings/settings.h"
#include "testenvironment.h"

#include <QAtomicInt>
#include <QSettings>
#include <QThreadPool>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(Settings::defaultFilePath());
    }

    void passwordEncoding_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("ascii") << QStringLiteral("secret");
        QTest::newRow("non-ascii") << QStringLiteral("пароль-ü-€");
        QTest::newRow("emoji and symbols") << QStringLiteral("p@ss 🙂 &=%");
        QTest::newRow("empty") << QString();
    }

    void passwordEncoding()
    {
        QFETCH(QString, password);
        Settings settings;
        settings.savePassword(password);
        QSettings raw(Settings::defaultFilePath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("password")).toByteArray(), password.toUtf8().toBase64().toHex());
        QCOMPARE(Settings().password(), password);
    }

    void passwordStopsAtZeroByte()
    {
        QSettings(Settings::defaultFilePath(), QSettings::IniFormat)
            .setValue(QStringLiteral("password"), QByteArray("ab\0cd", 5).toBase64().toHex());
        QCOMPARE(Settings().password(), QStringLiteral("ab"));
    }

    void sortingFields_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("readField");
        QTest::addColumn<QString>("name");
        QTest::newRow("none reads as name") << 0 << int(Qt::DescendingOrder) << 2 << QStringLiteral("by name");
        QTest::newRow("date") << 1 << int(Qt::AscendingOrder) << 1 << QStringLiteral("by date");
        QTest::newRow("author") << 5 << int(Qt::DescendingOrder) << 5 << QStringLiteral("by author");
        QTest::newRow("unknown") << 9 << int(Qt::AscendingOrder) << 9 << QString();
    }

    void sortingFields()
    {
        QFETCH(int, stored);
        QFETCH(int, direction);
        QFETCH(int, readField);
        QFETCH(QString, name);
        Settings settings;
        QSignalSpy nameSpy(&settings, &Settings::sortingNameChanged);
        settings.setSorting(stored, Qt::SortOrder(direction));
        settings.setLocalSorting(stored, Qt::SortOrder(direction));
        QCOMPARE(nameSpy.count(), 1);
        QSettings raw(Settings::defaultFilePath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("filter_param")).toInt(), stored);
        QCOMPARE(raw.value(QStringLiteral("sort_direct")).toInt(), direction);
        QCOMPARE(raw.value(QStringLiteral("local_filter_param")).toInt(), stored);
        QCOMPARE(settings.sortingParameter(), readField);
        QCOMPARE(settings.localSortingParameter(), readField);
        QCOMPARE(int(settings.sortingDirection()), direction);
        QCOMPARE(int(settings.localSortingDirection()), direction);
        QCOMPARE(settings.getSortingName(), name);
    }

    void clearingAndLoggingOut()
    {
        Settings settings;
        settings.savePortalAddress(QStringLiteral("https://portal.example"));
        settings.saveLogin(QStringLiteral("user@example.com"));
        settings.savePassword(QStringLiteral("pw"));
        settings.saveAccessToken(QStringLiteral("a"));
        settings.saveRefreshToken(QStringLiteral("r"));
        settings.saveUserFirstName(QStringLiteral("Anna"));
        settings.setSorting(4, Qt::DescendingOrder);
        settings.setLocalSorting(1, Qt::DescendingOrder);
        settings.saveDebugOut(true);
        settings.saveDocumentServerAddress(QStringLiteral("https://docs.example"));

        QSignalSpy localField(&settings, &Settings::localSortingParameterChanged);
        QSignalSpy localDirection(&settings, &Settings::localSortingDirectionChanged);
        QSignalSpy sortingName(&settings, &Settings::sortingNameChanged);
        QSignalSpy fullName(&settings, &Settings::userFullNameChanged);
        QSignalSpy token(&settings, &Settings::accessTokenChanged);
        QSignalSpy debug(&settings, &Settings::debugOutChanged);
        settings.clearUserSettings();
        for (QSignalSpy *spy : {&localField, &localDirection, &sortingName, &fullName, &token, &debug})
            QCOMPARE(spy->count(), 1);

        QCOMPARE(settings.accessToken(), QString());
        QCOMPARE(settings.localSortingParameter(), 2);
        QCOMPARE(settings.localSortingDirection(), Qt::AscendingOrder);
        QCOMPARE(settings.userFullName(), QStringLiteral(" "));
        QCOMPARE(settings.debugOut(), false);
        QCOMPARE(settings.portalAddress(), QStringLiteral("https://portal.example"));
        QCOMPARE(settings.password(), QStringLiteral("pw"));
        QCOMPARE(settings.documentServerAddress(), QStringLiteral("https://docs.example"));

        // Logging out drops the password too.
        QSignalSpy password(&settings, &Settings::passwordChanged);
        settings.logOut();
        QCOMPARE(password.count(), 1);
        QCOMPARE(QSettings(Settings::defaultFilePath(), QSettings::IniFormat).childKeys(),
                 QStringList({QStringLiteral("document_server_address"), QStringLiteral("login"), QStringLiteral("portal_address")}));
    }

    void freeFunctionsReadFromPoolThreads()
    {
        Settings settings;
        // An object made before the writes sees them too.
        const Settings reader;
        settings.savePortalAddress(QStringLiteral("http://127.0.0.1:1"));
        settings.saveDebugOut(true);
        QAtomicInt mismatches;
        QAtomicInt reads;
        QThreadPool pool;
        pool.setMaxThreadCount(4);
        for (int round = 0; round < 20; ++round) {
            const QString token = QStringLiteral("token-%1").arg(round);
            settings.saveAccessToken(token);
            QCOMPARE(reader.accessToken(), token);
            for (int i = 0; i < 4; ++i) {
                pool.start(QRunnable::create([&, token] {
                    if (getAuthToken() != token || getPortalAddress() != QStringLiteral("http://127.0.0.1:1")
                        || !debugStatus())
                        mismatches.ref();
                    reads.ref();
                }));
            }
            pool.waitForDone();
        }
        QCOMPARE(reads.loadRelaxed(), 80);
        QCOMPARE(mismatches.loadRelaxed(), 0);
    }

    void noSecretReachesTheLog()
    {
        Settings settings;
        settings.saveAccessToken(QStringLiteral("very-secret-token"));
        settings.savePassword(QStringLiteral("very-secret-password"));
        LogCapture log;
        QCOMPARE(getAuthToken(), QStringLiteral("very-secret-token"));
        getPortalAddress();
        settings.password();
        settings.accessToken();
        QVERIFY(log.count(QStringLiteral("Token:")) > 0);
        QCOMPARE(log.count(QStringLiteral("very-secret")), 0);
    }
};

VELLIX_TEST_MAIN(TestSettings, QCoreApplication)
#include "tst_settings.moc"
