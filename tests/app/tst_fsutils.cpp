#include "app/fsutils.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

class TestFsUtils : public QObject
{
    Q_OBJECT
private:
    QString m_cache;

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(TestEnvironment::writeFile(path, content));
    }

private slots:
    void init()
    {
        m_cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QVERIFY(m_cache.startsWith(TestEnvironment::root()));
        QDir(m_cache).removeRecursively();
    }

    void firstStartCopiesWebSettings()
    {
        QVERIFY(!QDir(m_cache).exists());
        FSUtils::clearCache();
        FSUtils::prepareUserWebSettings();
        const QByteArray userJs = TestEnvironment::readFile(m_cache + QStringLiteral("/.mozilla/user.js"));
        QCOMPARE(userJs.size(), 128);
        QVERIFY(userJs.startsWith("user_pref(\"general.useragent.override\", \"Mozilla/5.0 (Android 8.1.0;"));
        QVERIFY(userJs.endsWith("Firefox/78.0\");\n\n"));
        QVERIFY(QFileInfo(m_cache + QStringLiteral("/.mozilla/user.js")).isWritable());
    }

    // The clean-up acts only inside the cache location and keeps its hidden entries.
    void clearCacheKeepsHiddenEntries()
    {
        const QString sibling = QFileInfo(m_cache).absolutePath() + QStringLiteral("/sibling.txt");
        writeFile(sibling, "user data");
        writeFile(m_cache + QStringLiteral("/images/a.png"), "png");
        writeFile(m_cache + QStringLiteral("/editor/deep/page.html"), "<html/>");
        writeFile(m_cache + QStringLiteral("/1700000000000"), "download");
        writeFile(m_cache + QStringLiteral("/.mozilla/user.js"), "edited by the engine");
        writeFile(m_cache + QStringLiteral("/.hiddenfile"), "keep");

        FSUtils::clearCache();
        FSUtils::prepareUserWebSettings();

        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/images")));
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/editor")));
        QVERIFY(!QFile::exists(m_cache + QStringLiteral("/1700000000000")));
        QCOMPARE(TestEnvironment::readFile(m_cache + QStringLiteral("/.hiddenfile")), QByteArray("keep"));
        QCOMPARE(TestEnvironment::readFile(sibling), QByteArray("user data"));
        // An edited profile file is never overwritten.
        QCOMPARE(TestEnvironment::readFile(m_cache + QStringLiteral("/.mozilla/user.js")), QByteArray("edited by the engine"));
    }
};

VELLIX_TEST_MAIN(TestFsUtils, QCoreApplication)
#include "tst_fsutils.moc"
