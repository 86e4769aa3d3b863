#include "testenvironment.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The screenshot tour at a phone size in English and Russian: it ends well,
// both languages picture the same pages, and no picture is blank.
class TestScreenshotTour : public QObject
{
    Q_OBJECT

private slots:
    void everyPageIsPictured();
};

// The share of sampled pixels that differ from the most common colour.
static double detailShare(const QImage &image)
{
    QHash<QRgb, int> counts;
    int samples = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            ++counts[image.pixel(x, y)];
            ++samples;
        }
    }
    int mostCommon = 0;
    for (int count : qAsConst(counts))
        mostCommon = qMax(mostCommon, count);
    return samples == 0 ? 0 : 1.0 - double(mostCommon) / samples;
}

void TestScreenshotTour::everyPageIsPictured()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    // Windows of the offscreen platform cannot be grabbed: the tour runs on an X server of its own.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess tour;
    tour.setProcessEnvironment(environment);
    tour.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tour.start(QStringLiteral("xvfb-run"),
               {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1024x768x24"),
                TestEnvironment::binDirectory() + QStringLiteral("/vellix-screenshot-tour"), QStringLiteral("--out"),
                out.path(), QStringLiteral("--settle"), QStringLiteral("150"), QStringLiteral("--size"),
                QStringLiteral("en:400x720"), QStringLiteral("--size"), QStringLiteral("ru:400x720:ru_RU")});
    QVERIFY(tour.waitForFinished(240000));
    QCOMPARE(tour.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tour.exitCode(), 0);

    const QDir directory(out.path());
    const QStringList english = directory.entryList({QStringLiteral("en-*.png")}, QDir::Files, QDir::Name);
    for (const QString page : {"-local-files.", "-editor."})
        QVERIFY2(!english.filter(page).isEmpty(), qPrintable(page));
    QStringList russian = directory.entryList({QStringLiteral("ru-*.png")}, QDir::Files, QDir::Name);
    QCOMPARE(russian.replaceInStrings(QRegularExpression(QStringLiteral("^ru-")), QStringLiteral("en-")), english);
    for (const QString &file : directory.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QImage image(directory.filePath(file));
        QVERIFY2(image.size() == QSize(400, 720), qPrintable(file));
        QVERIFY2(detailShare(image) > 0.01, qPrintable(file + QStringLiteral(" is blank")));
    }
}

QTEST_GUILESS_MAIN(TestScreenshotTour)
#include "tst_screenshottour.moc"
