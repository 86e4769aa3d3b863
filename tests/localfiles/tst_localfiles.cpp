#include "app/coreinit.h"
#include "cachetestsupport.h"
#include "localfiles/imageviewercontroller.h"
#include "localfiles/localfilesmodel.h"
#include "localfiles/localfilessortfiltermodel.h"
#include "localfiles/localpagecontroller.h"
#include "models/sortingoptions.h"
#include "securestorage/passwordgenerator.h"
#include "securestorage/sstorewrapper.h"
#include "securestorageserviceprocess.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QAbstractItemModelTester>
#include <QDirIterator>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

namespace {
void write(const QString &path, const QByteArray &bytes = "x", qint64 ageSeconds = 0)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush(), qPrintable(path));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList column(const QAbstractItemModel &model, int role = LocalFilesModel::NameRole)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(model.index(row, 0).data(role).toString());
    return values;
}

QString cacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QStringList filesInCache()
{
    QStringList files;
    QDirIterator found(cacheDirectory(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext())
        files.append(found.next());
    return files;
}

// A local files page with its signals watched.
struct Page
{
    LocalPageController controller;
    QSignalSpy opened{&controller, &LocalPageController::storageOpen};
    QSignalSpy errors{&controller, &LocalPageController::errorOpenStorage};
    QSignalSpy created{&controller, &LocalPageController::newStorageCreated};

    QStringList errorTexts() const
    {
        QStringList texts;
        for (const QList<QVariant> &error : errors)
            texts.append(error.first().toString());
        return texts;
    }
    QString documents() const { return controller.storagePath() + SecureStorage::documentsSuffix(); }
};
} // namespace

// The local files of the secure container, their page and the image viewer's downloads.
class TestLocalFiles : public QObject
{
    Q_OBJECT
private:
    SecureStorageServiceProcess m_service;
    SimulatorProcess m_simulator;
    SecureStorage m_storage;
    std::unique_ptr<CacheFixture> m_cache;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<LocalFilesModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    QString documents() const { return m_root->path() + QStringLiteral("/documents"); }
    QString trash() const { return m_root->path() + QStringLiteral("/trash"); }
    QString storedPassword() { return m_cache->dao().getPassword(LocalPageController::s_passwordName); }

    void showFolder(const QString &folder)
    {
        m_model->setRootPath(m_root->path());
        m_model->setDirectoryPath(folder);
    }

    // A page given the storage and then the cache, as QML hands them over.
    void open(Page &page)
    {
        page.controller.setSstorage(&m_storage);
        page.errors.clear();
        page.controller.setDao(&m_cache->dao());
    }

    // The viewer's download and the image's file, empty when it failed.
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
        QVERIFY(m_service.startBus());
        QVERIFY(m_service.start());
        QVERIFY(m_simulator.start());
        Settings settings;
        settings.savePortalAddress(m_simulator.baseUrl());
        settings.saveAccessToken(m_simulator.validAccessToken());
    }

    void init()
    {
        m_cache.reset();
        m_cache = std::make_unique<CacheFixture>();
        m_storage.deleteStorage();
        QVERIFY(!m_storage.exists());
        QDir(cacheDirectory()).removeRecursively();
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(documents()) && QDir().mkpath(trash()));
        m_model = std::make_unique<LocalFilesModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    void trashTagsTheNameAndClearingEmptiesOnlyTheTrash()
    {
        write(documents() + QStringLiteral("/report.docx"));
        write(documents() + QStringLiteral("/kept.txt"));
        showFolder(trash());
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        m_model->moveFileToTrash(documents() + QStringLiteral("/report.docx"));
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        const QString trashed = entries(trash()).first();
        const QRegularExpressionMatch tag = QRegularExpression(QStringLiteral("^\\[trash(\\d+)\\]report\\.docx$")).match(trashed);
        QVERIFY2(tag.hasMatch(), qPrintable(trashed));
        QVERIFY(tag.captured(1).toLongLong() >= before && tag.captured(1).toLongLong() <= after);
        QCOMPARE(column(*m_model), QStringList{QStringLiteral("report.docx")});
        QCOMPARE(column(*m_model, LocalFilesModel::PathRole), QStringList{trash() + QLatin1Char('/') + trashed});
        QCOMPARE(entries(documents()), QStringList{QStringLiteral("kept.txt")});

        write(trash() + QStringLiteral("/[trash2].hidden"));
        showFolder(documents());
        m_model->clearTrash();
        QVERIFY(entries(trash()).isEmpty());
        QCOMPARE(column(*m_model), QStringList{QStringLiteral("kept.txt")});
        m_model->removeFile(documents() + QStringLiteral("/kept.txt"));
        QCOMPARE(m_model->rowCount(), 0);
    }

    void restoreNeverOverwrites_data()
    {
        QTest::addColumn<QString>("trashed");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("restored");
        const QString report = QStringLiteral("report.docx");
        const QString report1 = QStringLiteral("report_restore_1.docx");
        QTest::newRow("free name") << QStringLiteral("[trash1700000000000]report.docx") << QStringList() << report;
        QTest::newRow("name taken") << QStringLiteral("[trash1700000000000]report.docx") << QStringList{report} << report1;
        QTest::newRow("numbered name taken") << QStringLiteral("[trash1700000000000]report.docx") << QStringList{report, report1}
                                             << QStringLiteral("report_restore_2.docx");
        QTest::newRow("number goes on") << QStringLiteral("[trash1]report_restore_2.docx") << QStringList{report}
                                        << QStringLiteral("report_restore_3.docx");
        QTest::newRow("number dropped when free") << QStringLiteral("[trash1]report_restore_2.docx") << QStringList() << report;
        QTest::newRow("several dots") << QStringLiteral("[trash1]a.b.c") << QStringList{QStringLiteral("a.b.c")} << QStringLiteral("a_restore_1.b.c");
        QTest::newRow("no dot") << QStringLiteral("[trash1]README") << QStringList() << QStringLiteral("README");
        QTest::newRow("no dot, taken") << QStringLiteral("[trash1]README") << QStringList{QStringLiteral("README")} << QStringLiteral("README_restore_1");
    }

    void restoreNeverOverwrites()
    {
        QFETCH(QString, trashed);
        QFETCH(QStringList, present);
        QFETCH(QString, restored);
        for (const QString &name : present)
            write(documents() + QLatin1Char('/') + name, "kept");
        write(trash() + QLatin1Char('/') + trashed, "restored");
        showFolder(documents());
        m_model->restoreFile(trash() + QLatin1Char('/') + trashed);
        QVERIFY(entries(trash()).isEmpty());
        QCOMPARE(entries(documents()).size(), present.size() + 1);
        QCOMPARE(TestEnvironment::readFile(documents() + QLatin1Char('/') + restored), QByteArray("restored"));
        QVERIFY(column(*m_model).contains(restored));
    }

    void operationsStayInsideTheContainer_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("open");
        QTest::newRow("trash a file outside") << QStringLiteral("trash") << QStringLiteral("outside.txt") << true;
        QTest::newRow("trash through ..") << QStringLiteral("trash") << QStringLiteral("documents/../outside.txt") << true;
        QTest::newRow("trash a link leading out") << QStringLiteral("trash") << QStringLiteral("documents/link.txt") << true;
        QTest::newRow("restore a document") << QStringLiteral("restore") << QStringLiteral("documents/kept.txt") << true;
        QTest::newRow("restore a file outside") << QStringLiteral("restore") << QStringLiteral("outside.txt") << true;
        QTest::newRow("remove a file outside") << QStringLiteral("remove") << QStringLiteral("outside.txt") << true;
        QTest::newRow("remove through ..") << QStringLiteral("remove") << QStringLiteral("trash/../outside.txt") << true;
        QTest::newRow("trash without a container") << QStringLiteral("trash") << QStringLiteral("documents/kept.txt") << false;
        QTest::newRow("clear without a container") << QStringLiteral("clear") << QStringLiteral("trash/[trash1]old.txt") << false;
    }

    void operationsStayInsideTheContainer()
    {
        QFETCH(QString, operation);
        QFETCH(QString, path);
        QFETCH(bool, open);
        write(m_root->path() + QStringLiteral("/outside.txt"));
        write(documents() + QStringLiteral("/kept.txt"));
        write(trash() + QStringLiteral("/[trash1]old.txt"));
        QVERIFY(QFile::link(m_root->path() + QStringLiteral("/outside.txt"), documents() + QStringLiteral("/link.txt")));
        const QStringList before = entries(m_root->path()) + entries(documents()) + entries(trash());
        if (open)
            showFolder(documents());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused")));
        const QString target = m_root->path() + QLatin1Char('/') + path;
        if (operation == QLatin1String("trash"))
            m_model->moveFileToTrash(target);
        else if (operation == QLatin1String("restore"))
            m_model->restoreFile(target);
        else if (operation == QLatin1String("remove"))
            m_model->removeFile(target);
        else
            m_model->clearTrash();
        QCOMPARE(entries(m_root->path()) + entries(documents()) + entries(trash()), before);
    }

    void pollingFollowsTheFolder()
    {
        write(documents() + QStringLiteral("/a.txt"));
        write(documents() + QStringLiteral("/b.txt"));
        showFolder(documents());
        QCOMPARE(m_model->rowCount(), 2);
        QVERIFY(m_model->setData(m_model->index(1), true, LocalFilesModel::SelectedRole));
        // A download lands, a file grows, another goes away: all without a reset.
        QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
        write(documents() + QStringLiteral("/downloaded.pdf"));
        QFile::remove(documents() + QStringLiteral("/a.txt"));
        write(documents() + QStringLiteral("/b.txt"), QByteArray(4096, 'b'));
        QTRY_COMPARE_WITH_TIMEOUT(column(*m_model), (QStringList{QStringLiteral("b.txt"), QStringLiteral("downloaded.pdf")}), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_model->index(0).data(LocalFilesModel::SizeRole).toLongLong(), qint64(4096), 10000);
        QCOMPARE(m_model->index(0).data(LocalFilesModel::SelectedRole).toBool(), true);
        QCOMPARE(resets.count(), 0);

        QFile::remove(documents() + QStringLiteral("/b.txt"));
        QFile::remove(documents() + QStringLiteral("/downloaded.pdf"));
        QTest::ignoreMessage(QtInfoMsg, "Reset model because new data is empty");
        m_model->updateFiles();
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(resets.count(), 1);
    }

    void proxySortsAndSelects()
    {
        write(documents() + QStringLiteral("/Beta.txt"), QByteArray(300, 'b'), 100);
        write(documents() + QStringLiteral("/alpha.txt"), QByteArray(200, 'a'), 10);
        write(documents() + QStringLiteral("/gamma.txt"), QByteArray(100, 'c'), 1000);
        showFolder(documents());
        LocalFilesSortFilterModel proxy;
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
        proxy.setSourceModel(m_model.get());
        QCOMPARE(column(proxy), (QStringList{QStringLiteral("gamma.txt"), QStringLiteral("Beta.txt"), QStringLiteral("alpha.txt")}));
        proxy.setSortParameter(SortingOptions::Name);
        QCOMPARE(column(proxy), (QStringList{QStringLiteral("alpha.txt"), QStringLiteral("Beta.txt"), QStringLiteral("gamma.txt")}));
        proxy.setSortParameter(SortingOptions::Size);
        proxy.setOrder(Qt::DescendingOrder);
        QCOMPARE(column(proxy), (QStringList{QStringLiteral("Beta.txt"), QStringLiteral("alpha.txt"), QStringLiteral("gamma.txt")}));

        LocalPageController controller;
        QVERIFY(proxy.setData(proxy.index(2, 0), true, LocalFilesModel::SelectedRole));
        QCOMPARE(controller.getHighlightedPaths(&proxy), QStringList{documents() + QStringLiteral("/gamma.txt")});
        controller.selectAll(&proxy);
        QCOMPARE(controller.getHighlightedPaths(&proxy).size(), 3);
        controller.clearSelect(&proxy);
        QVERIFY(controller.getHighlightedPaths(&proxy).isEmpty());
        QVERIFY(controller.getHighlightedPaths(nullptr).isEmpty());
    }

    void firstOpenCreatesTheContainerLaterOpensKeepItAndCopiesComeOut()
    {
        Page first;
        first.controller.setSstorage(&m_storage);
        QCOMPARE(first.errorTexts(), QStringList{QStringLiteral("Unexpected error")});
        first.errors.clear();
        first.controller.setDao(&m_cache->dao());
        QCOMPARE(first.opened.count(), 1);
        QCOMPARE(first.errors.count(), 0);
        QVERIFY(QRegularExpression(QStringLiteral("^%1-.{8}$").arg(QRegularExpression::escape(PasswordGenerator().getDeviceId())))
                    .match(storedPassword())
                    .hasMatch());
        QCOMPARE(first.controller.filesModel()->rootPath(), first.controller.storagePath());
        QVERIFY(QFileInfo(first.controller.storagePath() + SecureStorage::trashSuffix()).isDir());
        QVERIFY(TestEnvironment::writeFile(first.documents() + QStringLiteral("/kept.txt"), "kept"));
        first.controller.setDao(&m_cache->dao());
        QCOMPARE(first.opened.count(), 1);

        const QString password = storedPassword();
        Page second;
        second.controller.setDao(&m_cache->dao());
        QCOMPARE(second.errorTexts(), QStringList{QStringLiteral("Unexpected error")});
        second.controller.setSstorage(&m_storage);
        QCOMPARE(second.opened.count(), 1);
        QCOMPARE(second.created.count(), 0);
        QCOMPARE(TestEnvironment::readFile(second.documents() + QStringLiteral("/kept.txt")), QByteArray("kept"));
        QCOMPARE(storedPassword(), password);

        // Copies out of the container land in the cache, each under a name of its own.
        QSignalSpy copying(&second.controller, &LocalPageController::copyInProcessChanged);
        const QStringList copies{second.controller.copyFileFromSStore(QStringLiteral("kept.txt")),
                                 second.controller.copyFileFromSStore(QStringLiteral("kept.txt"))};
        QCOMPARE(copying.count(), 4);
        QVERIFY(copies.first() != copies.last());
        for (const QString &copy : copies) {
            QVERIFY(copy.startsWith(cacheDirectory() + QLatin1Char('/')));
            QCOMPARE(TestEnvironment::readFile(copy), QByteArray("kept"));
        }
        for (const QString &name : {QStringLiteral("missing.txt"), QStringLiteral("../documents/kept.txt"), QStringLiteral(".."), QString()}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Error copy to cache")));
            QCOMPARE(second.controller.copyFileFromSStore(name), QString());
        }
        QCOMPARE(copying.count(), 4);
    }

    void pageMadeByQmlOpensOnceAllIsSet()
    {
        CoreInit::registerTypes();
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("cache"), &m_cache->dao());
        QQmlComponent component(&engine);
        component.setData("import com.vellix.VellixOfficeAurora 1.0\n"
                          "LocalPageController {\n"
                          "    property var errors: []\n"
                          "    property int opened: 0\n"
                          "    dao: cache\n"
                          "    sstorage: SStore {}\n"
                          "    onErrorOpenStorage: errors.push(errorMessage)\n"
                          "    onStorageOpen: opened += 1\n"
                          "}\n",
                          QUrl());
        const std::unique_ptr<QObject> page(component.create());
        QVERIFY2(page, qPrintable(component.errorString()));
        QCOMPARE(page->property("errors").toStringList(), QStringList());
        QCOMPARE(page->property("opened").toInt(), 1);
    }

    void storedPasswordProblems_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<bool>("containerKept");
        QTest::newRow("wrong password") << QStringLiteral("wrong") << QStringList{QStringLiteral("Incorrect password")} << true;
        QTest::newRow("unreadable password") << QStringLiteral("unreadable") << QStringList{QStringLiteral("Password error")} << true;
        QTest::newRow("lost password") << QStringLiteral("lost") << QStringList{QStringLiteral("Password error")} << false;
    }

    void storedPasswordProblems()
    {
        QFETCH(QString, problem);
        QFETCH(QStringList, errors);
        QFETCH(bool, containerKept);
        Page first;
        open(first);
        QVERIFY(TestEnvironment::writeFile(first.documents() + QStringLiteral("/kept.txt"), "kept"));
        const QString password = storedPassword();
        if (problem == QLatin1String("wrong"))
            QVERIFY(m_cache->dao().insertPassword(LocalPageController::s_passwordName, password + QLatin1Char('x')));
        else if (problem == QLatin1String("lost"))
            QVERIFY(m_cache->dao().removePassword(LocalPageController::s_passwordName));
        else
            QVERIFY(QSqlQuery(m_cache->dao().db()).exec(QStringLiteral("DROP TABLE passwords")));

        Page page;
        open(page);
        QCOMPARE(page.errorTexts(), errors);
        QCOMPARE(page.created.count(), containerKept ? 0 : 1);
        QCOMPARE(page.opened.count(), containerKept ? 0 : 1);
        if (!containerKept) {
            QVERIFY(storedPassword() != password);
            QVERIFY(!QFile::exists(page.documents() + QStringLiteral("/kept.txt")));
            return;
        }
        QVERIFY(m_storage.close());
        QCOMPARE(m_storage.open(password), quint8(0));
        QCOMPARE(TestEnvironment::readFile(m_storage.path() + QStringLiteral("/documents/kept.txt")), QByteArray("kept"));
    }

    void creationGivesUpWhenTheServiceKeepsRefusing()
    {
        // A plain file where the container's folder belongs: every Create fails.
        const QString userDirectory = QFileInfo(m_service.cipherDirectory()).absolutePath();
        QVERIFY(QDir(userDirectory).removeRecursively());
        QVERIFY(TestEnvironment::writeFile(userDirectory, "in the way"));
        QVERIFY(m_service.start());
        Page page;
        open(page);
        QFile::remove(userDirectory);
        QCOMPARE(page.errorTexts(), QStringList{QStringLiteral("Create new storage fail")});
        QCOMPARE(page.opened.count(), 0);
        QTRY_COMPARE(m_service.serviceLog().count("Create ended with"), LocalPageController::s_createAttempts);
        QVERIFY(storedPassword().isEmpty());
    }

    void downloadedImageAnswersItsRatio_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("extension"); // empty: the download fails
        QTest::addColumn<float>("ratio");
        QTest::newRow("image") << QStringLiteral("Logo.png") << 1006 << QStringLiteral(".png") << 0.75f;
        QTest::newRow("no dot") << QStringLiteral("Logo") << 1006 << QStringLiteral(".Logo") << 0.75f;
        QTest::newRow("name leading out") << QStringLiteral("x.y/../../png") << 1006 << QStringLiteral(".png") << 0.75f;
        QTest::newRow("no image") << QStringLiteral("Notes.png") << 1005 << QStringLiteral(".png") << -1.0f;
        QTest::newRow("missing") << QStringLiteral("Missing.png") << 987654 << QString() << -1.0f;
    }

    void downloadedImageAnswersItsRatio()
    {
        QFETCH(QString, name);
        QFETCH(int, id);
        QFETCH(QString, extension);
        QFETCH(float, ratio);
        ImageViewerController viewer;
        QSignalSpy loaded(&viewer, &ImageViewerController::imageLoaded);
        // Without the cache there is no portal to ask.
        viewer.startLoadImage(name, id);
        QVERIFY(!viewer.connectionInProgress());
        viewer.setDao(&m_cache->dao());
        viewer.setFolderType(DirectoryType::MyDocuments);
        const QString path = load(viewer, name, id);
        QCOMPARE(viewer.connectionFailed(), extension.isEmpty());
        if (extension.isEmpty()) {
            // A failed download leaves nothing behind.
            QCOMPARE(loaded.count(), 0);
            QCOMPARE(filesInCache(), QStringList());
            return;
        }
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
};

VELLIX_TEST_MAIN(TestLocalFiles, QCoreApplication)
#include "tst_localfiles.moc"
