#include "cachetestsupport.h"
#include "localfiles/imageviewercontroller.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {
QString cacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QStringList filesInCache()
{
    QStringList files;
    QDirIterator entries(cacheDirectory(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files.append(entries.next());
    return files;
}
} // namespace

class TestImageViewerController : public QObject
{
    Q_OBJECT
private:
    SimulatorProcess m_simulator;
    std::unique_ptr<CacheFixture> m_cache;

    QString load(ImageViewerController &viewer, const QString &name, int id)
    {
        QSignalSpy loaded(&viewer, &ImageViewerController::imageLoaded);
        QSignalSpy progress(&viewer, &ConnectionController::connectionInProgressChanged);
        viewer.startLoadImage(name, id);
        if (!viewer.connectionInProgress() || !(progress.count() == 2 || progress.wait(30000)))
            return QString();
        return loaded.isEmpty() ? QString() : loaded.first().first().toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        Settings settings;
        settings.savePortalAddress(m_simulator.baseUrl());
        settings.saveAccessToken(m_simulator.validAccessToken());
        m_cache = std::make_unique<CacheFixture>();
    }

    void init() { QDir(cacheDirectory()).removeRecursively(); }

    void downloadedImageAnswersItsRatio_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<float>("ratio");
        QTest::newRow("image") << QStringLiteral("Logo.png") << 1006 << QStringLiteral(".png") << 0.75f;
        QTest::newRow("no dot") << QStringLiteral("Logo") << 1006 << QStringLiteral(".Logo") << 0.75f;
        QTest::newRow("name leading out") << QStringLiteral("x.y/../../png") << 1006 << QStringLiteral(".png") << 0.75f;
        QTest::newRow("no image") << QStringLiteral("Notes.png") << 1005 << QStringLiteral(".png") << -1.0f;
    }

    void downloadedImageAnswersItsRatio()
    {
        QFETCH(QString, name);
        QFETCH(int, id);
        QFETCH(QString, extension);
        QFETCH(float, ratio);
        ImageViewerController viewer;
        viewer.setDao(&m_cache->dao());
        viewer.setFolderType(DirectoryType::MyDocuments);
        const QString path = load(viewer, name, id);
        QVERIFY(!path.isEmpty());
        QVERIFY(!viewer.connectionFailed());
        QVERIFY(path.startsWith(cacheDirectory() + QLatin1Char('/')));
        QVERIFY2(path.endsWith(extension) && QFileInfo(path).isFile(), qPrintable(path));
        QCOMPARE(viewer.heightToWidthRatio(QStringLiteral("file://") + path), ratio);
        QCOMPARE(viewer.heightToWidthRatio(path), ratio);
        // A file this viewer did not download is none of its business.
        const QString copy = cacheDirectory() + QStringLiteral("/copy.png");
        QVERIFY(QFile::copy(path, copy));
        QCOMPARE(viewer.heightToWidthRatio(copy), -1.0f);
    }

    void everyImageGetsItsOwnFileAndGoesWithItsViewer()
    {
        auto first = std::make_unique<ImageViewerController>();
        ImageViewerController second;
        for (ImageViewerController *viewer : {first.get(), &second})
            viewer->setDao(&m_cache->dao());
        QSignalSpy firstLoaded(first.get(), &ImageViewerController::imageLoaded);
        QSignalSpy secondLoaded(&second, &ImageViewerController::imageLoaded);
        first->startLoadImage(QStringLiteral("Logo.png"), 1006);
        second.startLoadImage(QStringLiteral("Logo.png"), 1006);
        // One download at a time per viewer.
        first->startLoadImage(QStringLiteral("Office.png"), 1030);
        QTRY_COMPARE_WITH_TIMEOUT(firstLoaded.count() + secondLoaded.count(), 2, 30000);
        const QString again = load(*first, QStringLiteral("Logo.png"), 1006);
        const QStringList paths{firstLoaded.first().first().toString(), secondLoaded.first().first().toString(), again};
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 3);
        QCOMPARE(filesInCache().size(), 3);

        first.reset();
        QCOMPARE(filesInCache(), QStringList{paths.at(1)});
        QVERIFY(!QFileInfo::exists(QFileInfo(paths.at(0)).absolutePath()));
    }

    void failedDownloadLeavesNothing()
    {
        ImageViewerController viewer;
        QSignalSpy loaded(&viewer, &ImageViewerController::imageLoaded);
        viewer.startLoadImage(QStringLiteral("Logo.png"), 1006);
        QVERIFY(!viewer.connectionInProgress());

        viewer.setDao(&m_cache->dao());
        QVERIFY(load(viewer, QStringLiteral("Missing.png"), 987654).isEmpty());
        QVERIFY(viewer.connectionFailed());
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(filesInCache(), QStringList());
    }
};

VELLIX_TEST_MAIN(TestImageViewerController, QCoreApplication)
#include "tst_imageviewercontroller.moc"
