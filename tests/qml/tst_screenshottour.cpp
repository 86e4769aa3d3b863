#include "testenvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// Runs the screenshot tour at a phone size in English and a desktop size in
// Russian and checks that every page was pictured and the picture shows something.
class TestScreenshotTour : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_pictures.isValid());
        QProcess tour;
        tour.setProcessChannelMode(QProcess::ForwardedChannels);
        tour.start(TestEnvironment::binDirectory() + QStringLiteral("/vellix-screenshot-tour"),
                   {QStringLiteral("--out"), m_pictures.path(), QStringLiteral("--size"), QStringLiteral("phone:360x640"),
                    QStringLiteral("--size"), QStringLiteral("desktop:1024x640:ru_RU"), QStringLiteral("--settle"),
                    QStringLiteral("400")});
        QVERIFY(tour.waitForFinished(400000));
        QCOMPARE(tour.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tour.exitCode(), 0);
    }

    void pageWasPictured_data()
    {
        QTest::addColumn<QString>("page");
        for (const char *page : {"introduction", "sign-in", "registration", "passwordrecovery", "support", "sections",
                                 "my-documents", "available-for-me", "shared-access", "common", "favorites",
                                 "last-documents", "trash", "folder", "context-menu", "rename", "selection",
                                 "creation", "search", "account", "account-dark", "my-documents-dark"})
            QTest::newRow(page) << QString::fromLatin1(page);
    }

    void pageWasPictured()
    {
        QFETCH(QString, page);
        for (const QString &size : {QStringLiteral("phone"), QStringLiteral("desktop")}) {
            const QStringList files =
                QDir(m_pictures.path()).entryList({QStringLiteral("%1-*-%2.png").arg(size, page)}, QDir::Files);
            QCOMPARE(files.size(), 1);
            const QImage image(m_pictures.filePath(files.first()));
            QVERIFY(!image.isNull());
            // A blank window has one colour; a page has text, icons and bars.
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 4)
                for (int x = 0; x < image.width(); x += 4)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() > 8, qPrintable(files.first()));
        }
    }

private:
    QTemporaryDir m_pictures;
};

VELLIX_TEST_MAIN(TestScreenshotTour, QGuiApplication)
#include "tst_screenshottour.moc"
