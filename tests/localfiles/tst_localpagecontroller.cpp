#include "app/coreinit.h"
#include "cachetestsupport.h"
#include "localfiles/localpagecontroller.h"
#include "securestorage/passwordgenerator.h"
#include "securestorage/sstorewrapper.h"
#include "securestorageserviceprocess.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"
#include "workers/downloadfileworker.h"
#include "workers/downloadpdfworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThreadPool>
#include <QtTest>

#include <memory>

namespace {
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

class TestLocalPageController : public QObject
{
    Q_OBJECT
private:
    SecureStorageServiceProcess m_service;
    SimulatorProcess m_simulator;
    std::unique_ptr<CacheFixture> m_cache;
    SecureStorage m_storage;

    QString storedPassword() { return m_cache->dao().getPassword(LocalPageController::s_passwordName); }

    // A page given the storage and then the cache, as QML hands them over.
    void open(Page &page)
    {
        page.controller.setSstorage(&m_storage);
        page.errors.clear();
        page.controller.setDao(&m_cache->dao());
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
    }

    void firstOpenCreatesTheContainerAndLaterOpensKeepIt()
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
        QVERIFY(!first.controller.storagePath().isEmpty());
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
        QTest::newRow("unreadable password") << QStringLiteral("unreadable") << QStringList{QStringLiteral("Password error")}
                                             << true;
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

    void copyOutOfTheContainer()
    {
        Page page;
        open(page);
        QVERIFY(TestEnvironment::writeFile(page.documents() + QStringLiteral("/report.txt"), "report"));
        QSignalSpy copying(&page.controller, &LocalPageController::copyInProcessChanged);
        const QString first = page.controller.copyFileFromSStore(QStringLiteral("report.txt"));
        const QString second = page.controller.copyFileFromSStore(QStringLiteral("report.txt"));
        QCOMPARE(copying.count(), 4);
        QVERIFY(first != second);
        for (const QString &copy : {first, second}) {
            QVERIFY(copy.startsWith(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QLatin1Char('/')));
            QCOMPARE(TestEnvironment::readFile(copy), QByteArray("report"));
        }
        for (const QString &name : {QStringLiteral("missing.txt"), QStringLiteral("../documents/report.txt"),
                                    QStringLiteral(".."), QString()}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Error copy to cache")));
            QCOMPARE(page.controller.copyFileFromSStore(name), QString());
        }
        QCOMPARE(copying.count(), 4);
    }

    void downloadsLandInTheDocumentsFolder_data()
    {
        QTest::addColumn<bool>("asPdf");
        QTest::addColumn<int>("fileId");
        QTest::addColumn<QString>("portalName");
        QTest::addColumn<QString>("listedName");
        QTest::newRow("download") << false << 1006 << QStringLiteral("Logo.png") << QStringLiteral("Logo.png");
        QTest::newRow("PDF conversion") << true << 1001 << QStringLiteral("Welcome.docx") << QStringLiteral("Welcome.pdf");
    }

    void downloadsLandInTheDocumentsFolder()
    {
        QFETCH(bool, asPdf);
        QFETCH(int, fileId);
        QFETCH(QString, portalName);
        QFETCH(QString, listedName);
        Page page;
        open(page);
        LocalFilesModel *model = page.controller.filesModel();
        model->setDirectoryPath(page.documents());
        QCOMPARE(model->rowCount(), 0);
        if (asPdf)
            QThreadPool::globalInstance()->start(new DownloadPdfWorker(&m_cache->dao(), fileId, portalName, page.documents(),
                                                                       DirectoryType::MyDocuments));
        else
            QThreadPool::globalInstance()->start(new DownloadFileWorker(&m_cache->dao(), fileId, page.documents(), portalName,
                                                                        DirectoryType::MyDocuments));
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 1, 30000);
        QCOMPARE(model->index(0).data(LocalFilesModel::NameRole).toString(), listedName);
        QTRY_VERIFY(model->index(0).data(LocalFilesModel::SizeRole).toLongLong() > 0);
    }
};

VELLIX_TEST_MAIN(TestLocalPageController, QCoreApplication)
#include "tst_localpagecontroller.moc"
