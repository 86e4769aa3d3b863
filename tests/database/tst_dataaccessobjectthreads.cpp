#include "cachetestsupport.h"
#include "testenvironment.h"

#include "database/dataaccessobject.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QSqlError>
#include <QThreadPool>
#include <QtTest>

namespace {
constexpr int s_threads = 6;
constexpr int s_files = 200;
constexpr int s_folders = 50;
constexpr int s_rounds = 20;

QList<QVariant> folders()
{
    QList<QVariant> list;
    for (int id = 1; id <= s_folders; ++id)
        list.append(portalFolder(1000 + id, 10, QStringLiteral("Folder %1").arg(id)));
    return list;
}
} // namespace

class TestDataAccessObjectThreads : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CacheFixture> m_cache;
    QThreadPool m_pool;

    DataAccessObject &dao() { return m_cache->dao(); }
    // Runs the main thread's event loop until count pool tasks have finished.
    void serveUntil(const QAtomicInt &finished, int count, const std::function<void()> &work = {})
    {
        while (finished.loadAcquire() < count) {
            if (work)
                work();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents();
    }
    int listingRows() const
    {
        return m_cache->count(QStringLiteral("files_and_folders"), QStringLiteral("WHERE parent_id = 10 OR directory_id = 10"));
    }

private slots:
    void init()
    {
        m_pool.setMaxThreadCount(s_threads);
        m_cache = std::make_unique<CacheFixture>();
        dao().updateFilesAndFolders(portalFiles(s_files, 10), folders(), 10, DirectoryType::MyDocuments);
        dao().updateFilesAndFolders({}, {portalFolder(10, 1, "Ten")}, 1, DirectoryType::MyDocuments);
        dao().updateFilesAndFolders({}, {portalFolder(1, 0, "Root")}, 0, DirectoryType::MyDocuments);
        QVERIFY(dao().insertPassword("SSTORE", "pw"));
    }
    void cleanup() { m_cache.reset(); }

    void busyMarksWhileListingsSynchronise()
    {
        LogCapture log;
        int foreignSignals = 0;
        QThread *main = QThread::currentThread();
        connect(&dao(), &DataAccessObject::filesAndFoldersChanged, this,
                [&] { foreignSignals += QThread::currentThread() != main; }, Qt::DirectConnection);
        QAtomicInt finished;
        QAtomicInt wrongAnswers;
        for (int thread = 0; thread < s_threads; ++thread) {
            m_pool.start([&, thread] {
                for (int round = 0; round < s_rounds; ++round) {
                    for (int id = thread + 1; id <= s_files; id += s_threads) {
                        dao().updateBusyForFile(id, round % 2 == 0, DirectoryType::MyDocuments);
                        dao().updateBusyForFolder(1000 + id % s_folders + 1, true, DirectoryType::MyDocuments);
                    }
                    // Callers that need an answer wait for the main thread.
                    if (dao().getPassword("SSTORE") != QLatin1String("pw") || dao().retrieveFolderNameById(10) != "Ten")
                        wrongAnswers.ref();
                    QList<QVariant> path;
                    dao().retrieveFoldersPath(10, &path);
                    if (path.size() != 2)
                        wrongAnswers.ref();
                    // A synchronisation of the same table from another thread.
                    if (round % 4 == thread % 4)
                        dao().updateFilesAndFolders(portalFiles(s_files, 10), folders(), 10, DirectoryType::MyDocuments);
                }
                finished.ref();
            });
        }
        int lostRows = 0;
        serveUntil(finished, s_threads, [&] {
            dao().updateFilesAndFolders(portalFiles(s_files, 10), folders(), 10, DirectoryType::MyDocuments);
            lostRows += listingRows() != s_files + s_folders;
        });
        QCOMPARE(lostRows, 0);
        QCOMPARE(wrongAnswers.loadAcquire(), 0);
        QCOMPARE(foreignSignals, 0);

        // The last marks of each thread arrive in the order they were made.
        QAtomicInt marked;
        for (int thread = 0; thread < s_threads; ++thread) {
            m_pool.start([&, thread] {
                for (int id = thread + 1; id <= s_files; id += s_threads) {
                    dao().updateBusyForFile(id, false, DirectoryType::MyDocuments);
                    dao().updateBusyForFile(id, true, DirectoryType::MyDocuments);
                }
                marked.ref();
            });
        }
        serveUntil(marked, s_threads);
        QCOMPARE(m_cache->count("files_and_folders", "WHERE is_file = 1 AND busy = 1"), s_files);
        QCOMPARE(listingRows(), s_files + s_folders);
        QCOMPARE(log.messagesOf(QtWarningMsg), QStringList());
        QCOMPARE(log.messagesOf(QtCriticalMsg), QStringList());
    }

    void writesFromPoolThreadsSignalOnTheOwnerThread()
    {
        QThread *main = QThread::currentThread();
        QThread *signalled = nullptr;
        connect(&dao(), &DataAccessObject::usersChanged, this, [&] { signalled = QThread::currentThread(); },
                Qt::DirectConnection);
        QAtomicInt finished;
        m_pool.start([&] {
            dao().insertUsers({QVariantMap{{"Id", 5}, {"Name", "user"}}});
            finished.ref();
        });
        serveUntil(finished, 1);
        QCOMPARE(signalled, main);
        QCOMPARE(dao().retrieveUserById(5).value("name").toString(), QStringLiteral("user"));
    }

    void rowsCannotBeReadOnAnotherThread()
    {
        LogCapture log;
        QAtomicInt finished;
        bool hadRows = true;
        QString error;
        m_pool.start([&] {
            QSqlQuery query = dao().retrieveEntitiesByQuery("SELECT * FROM files_and_folders");
            hadRows = query.next();
            error = query.lastError().text();
            finished.ref();
        });
        serveUntil(finished, 1);
        QVERIFY(!hadRows);
        QVERIFY(!error.trimmed().isEmpty());
        QCOMPARE(log.messagesOf(QtCriticalMsg).size(), 1);
    }
};

VELLIX_TEST_MAIN(TestDataAccessObjectThreads, QCoreApplication)
#include "tst_dataaccessobjectthreads.moc"
