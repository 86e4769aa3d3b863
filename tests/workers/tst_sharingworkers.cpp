#include "operationfixture.h"
#include "requests/sharefolderrequest.h"
#include "testenvironment.h"
#include "workers/savedocumentaccessrightsworker.h"
#include "workers/savefolderaccessrightsworker.h"
#include "workers/sharefileworker.h"
#include "workers/sharefolderworker.h"
#include "workers/unsharefileworker.h"
#include "workers/unsharefolderworker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QPointer>
#include <QRunnable>
#include <QThreadPool>
#include <QtTest>

namespace {

const int s_document = 2;
const int s_directory = 3;

enum class Single { ShareFile, UnShareFile, ShareFolder, UnShareFolder };

struct SingleCase
{
    int entityType;
    int id;
    int userId;
    QString path;
    QString success;
    QString failure;
    // The user's access level on the portal afterwards, -1 for none.
    int levelAfter;
};

SingleCase singleCase(Single single)
{
    switch (single) {
    case Single::ShareFile:
        return {s_document, 1005, 3, QStringLiteral("/api/v1/Documents/Share"),
                QStringLiteral("File Notes.txt already shared"), QStringLiteral("Error share file Notes.txt"), 5};
    case Single::UnShareFile:
        return {s_document, 1001, 2, QStringLiteral("/api/v1/Documents/UnShare"),
                QStringLiteral("File Welcome.docx already unshared"), QStringLiteral("Error unshare file Welcome.docx"),
                -1};
    case Single::ShareFolder:
        return {s_directory, 114, 4, QStringLiteral("/api/v1/DocumentDirectory/Share"),
                QStringLiteral("Folder Photos already shared"), QStringLiteral("Error share folder Photos"), 1};
    case Single::UnShareFolder:
        return {s_directory, 113, 2, QStringLiteral("/api/v1/DocumentDirectory/UnShare"),
                QStringLiteral("Folder Reports already unshared"), QStringLiteral("Error unshare folder Reports"), -1};
    }
    return {};
}

Worker *createSingle(Single single, DataAccessObject *dao)
{
    const auto root = DirectoryType::MyDocuments;
    switch (single) {
    case Single::ShareFile:
        return new ShareFileWorker(dao, 1005, 3, FileAccessType::Write, QStringLiteral("Notes.txt"), root);
    case Single::UnShareFile:
        return new UnShareFileWorker(dao, 1001, 2, FileAccessType::Read, QStringLiteral("Welcome.docx"), root);
    case Single::ShareFolder:
        return new ShareFolderWorker(dao, 114, 4, FileAccessType::Read, QStringLiteral("Photos"), root);
    case Single::UnShareFolder:
        return new UnShareFolderWorker(dao, 113, 2, FileAccessType::Read, QStringLiteral("Reports"), root);
    }
    return nullptr;
}

const QList<QPair<const char *, Single>> s_singles{{"share file", Single::ShareFile},
                                                    {"unshare file", Single::UnShareFile},
                                                    {"share folder", Single::ShareFolder},
                                                    {"unshare folder", Single::UnShareFolder}};

UserOrRoleEntity principal(int id, qint16 access, bool isGroup = false)
{
    UserOrRoleEntity entity;
    entity.id = id;
    entity.access = access;
    entity.isGroup = isGroup;
    return entity;
}

using Principals = QList<UserOrRoleEntity>;

} // namespace

Q_DECLARE_METATYPE(Single)

class TestSharingWorkers : public QObject
{
    Q_OBJECT
private:
    OperationFixture m_fixture;

    // The portal's access list of an entity as "u<id>:<level>" and "r<id>:<level>", in its order.
    QStringList portalRights(int entityType, int id)
    {
        QStringList rights;
        for (const QJsonValue &value : m_fixture.simulator().state().value(QStringLiteral("shares")).toArray()) {
            const QJsonObject share = value.toObject();
            if (share.value(QStringLiteral("EntityType")).toInt() != entityType
                || share.value(QStringLiteral("EntityId")).toInt() != id)
                continue;
            for (const auto &list : {qMakePair(QStringLiteral("Users"), QLatin1Char('u')),
                                     qMakePair(QStringLiteral("Roles"), QLatin1Char('r'))}) {
                for (const QJsonValue &right : share.value(list.first).toArray())
                    rights << QStringLiteral("%1%2:%3").arg(list.second)
                                  .arg(right.toObject().value(QStringLiteral("PrincipalId")).toInt())
                                  .arg(right.toObject().value(QStringLiteral("Type")).toInt());
            }
        }
        return rights;
    }

    static QString bulkPrefix(bool isFile)
    {
        return isFile ? QStringLiteral("/api/v1/Documents/") : QStringLiteral("/api/v1/DocumentDirectory/");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_fixture.start());
        qRegisterMetaType<QList<UserOrRoleEntity>>();
    }

    void init()
    {
        QVERIFY(m_fixture.reset());
    }

    void singleUser_data()
    {
        QTest::addColumn<Single>("single");
        for (const auto &single : s_singles)
            QTest::newRow(single.first) << single.second;
    }

    void singleUser()
    {
        QFETCH(Single, single);
        const SingleCase expected = singleCase(single);
        const bool isFile = expected.entityType == s_document;
        if (single == Single::UnShareFolder) {
            auto *share = new ShareFolderRequest(113, 2, FileAccessType::Read);
            QSignalSpy shared(share, &RequestInterface::requestFinished);
            QThreadPool::globalInstance()->start(share);
            QVERIFY(shared.wait(10000));
            QVERIFY(portalRights(s_directory, 113).contains(QStringLiteral("u2:1")));
            QVERIFY(m_fixture.simulator().clearRequests());
        }
        // Held until the mark was seen.
        QVERIFY(m_fixture.simulator().setFault(expected.path, {{QStringLiteral("mode"), QStringLiteral("hold")}}));

        Worker *worker = createSingle(single, &m_fixture.dao());
        QPointer<Worker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
        QVERIFY(m_fixture.waitForRequest(expected.path));
        QVERIFY(m_fixture.isBusy(expected.id, isFile));
        QVERIFY(finished.isEmpty());
        QVERIFY(m_fixture.simulator().releaseHeld());

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, QString());
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());

        const QStringList rights = portalRights(expected.entityType, expected.id);
        const QStringList ofUser = rights.filter(QStringLiteral("u%1:").arg(expected.userId));
        if (expected.levelAfter < 0)
            QCOMPARE(ofUser, QStringList());
        else
            QCOMPARE(ofUser, QStringList{QStringLiteral("u%1:%2").arg(expected.userId).arg(expected.levelAfter)});

        QVERIFY(m_fixture.notified({expected.success}));
    }

    void singleUserFails_data()
    {
        QTest::addColumn<Single>("single");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("message");
        for (const auto &single : s_singles) {
            // The folder calls report the reply's own error text.
            const bool folder = single.second == Single::ShareFolder || single.second == Single::UnShareFolder;
            QTest::addRow("%s: portal error", single.first)
                << single.second << OperationFixture::portalError().fault
                << (folder ? QStringLiteral("Internal Server Error")
                           : OperationFixture::portalError().message);
            QTest::addRow("%s: connection dropped", single.first)
                << single.second << QJsonObject{{QStringLiteral("mode"), QStringLiteral("drop")}}
                << (folder ? QStringLiteral("Connection closed") : QStringLiteral("The portal closed the connection."));
        }
    }

    void singleUserFails()
    {
        QFETCH(Single, single);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, message);
        const SingleCase expected = singleCase(single);
        QVERIFY(m_fixture.simulator().setFault(expected.path, fault));
        const QStringList rightsBefore = portalRights(expected.entityType, expected.id);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(createSingle(single, &m_fixture.dao()), &outcome));
        QCOMPARE(outcome.success, false);
        QVERIFY2(outcome.message.contains(message), qPrintable(outcome.message));
        QCOMPARE(m_fixture.busyCount(), 0);
        QCOMPARE(portalRights(expected.entityType, expected.id), rightsBefore);

        QVERIFY(m_fixture.notified({expected.failure}, outcome.message));
    }

    void savesAccessList_data()
    {
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<int>("id");
        QTest::addColumn<Principals>("usersToShare");
        QTest::addColumn<Principals>("rolesToShare");
        QTest::addColumn<Principals>("usersToUnshare");
        QTest::addColumn<Principals>("rolesToUnshare");
        QTest::addColumn<QStringList>("rightsAfter");

        QTest::newRow("document shared for the first time")
            << true << 1002 << Principals{principal(3, 5), principal(4, 5)} << Principals{principal(2, 1, true)}
            << Principals() << Principals()
            << QStringList{QStringLiteral("u3:5"), QStringLiteral("u4:5"), QStringLiteral("r2:1")};
        QTest::newRow("document access taken from everyone")
            << true << 1001 << Principals() << Principals() << Principals{principal(2, 1)} << Principals()
            << QStringList();
        QTest::newRow("folder: group replaced by a user")
            << false << 113 << Principals{principal(4, 5)} << Principals() << Principals()
            << Principals{principal(1, 1, true)} << QStringList{QStringLiteral("u4:5")};
        QTest::newRow("folder saved without changes")
            << false << 113 << Principals() << Principals{principal(1, 1, true)} << Principals() << Principals()
            << QStringList{QStringLiteral("r1:1")};
    }

    void savesAccessList()
    {
        QFETCH(bool, isFile);
        QFETCH(int, id);
        QFETCH(Principals, usersToShare);
        QFETCH(Principals, rolesToShare);
        QFETCH(Principals, usersToUnshare);
        QFETCH(Principals, rolesToUnshare);
        QFETCH(QStringList, rightsAfter);
        const QString prefix = bulkPrefix(isFile);
        QVERIFY(m_fixture.simulator().setFault(prefix + QStringLiteral("ShareBulk"),
                                               {{QStringLiteral("mode"), QStringLiteral("hold")}}));

        Worker *worker = isFile ? static_cast<Worker *>(new SaveDocumentAccessRightsWorker(
                                      &m_fixture.dao(), id, usersToShare, rolesToShare, usersToUnshare, rolesToUnshare))
                                : new SaveFolderAccessRightsWorker(&m_fixture.dao(), id, usersToShare, rolesToShare,
                                                                   usersToUnshare, rolesToUnshare);
        QPointer<Worker> alive(worker);
        QSignalSpy finished(worker, &Worker::workFinished);
        QThreadPool::globalInstance()->start(dynamic_cast<QRunnable *>(worker));
        QVERIFY(m_fixture.waitForRequest(prefix + QStringLiteral("ShareBulk")));
        QVERIFY(finished.isEmpty());
        QVERIFY(m_fixture.isBusy(id, isFile));
        QVERIFY(m_fixture.simulator().releaseHeld());

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::finishedOnce(finished, &outcome));
        QCOMPARE(outcome.success, true);
        QCOMPARE(outcome.message, QString());
        QCOMPARE(m_fixture.busyCount(), 0);
        QTRY_VERIFY(alive.isNull());

        // Unsharing first, then sharing, each once.
        QCOMPARE(m_fixture.requests(), (QStringList{QStringLiteral("POST %1UnShareBulk").arg(prefix),
                                                    QStringLiteral("POST %1ShareBulk").arg(prefix)}));
        QStringList rights = portalRights(isFile ? s_document : s_directory, id);
        rights.sort();
        rightsAfter.sort();
        QCOMPARE(rights, rightsAfter);
        const bool shared = !usersToShare.isEmpty() || !rolesToShare.isEmpty();
        QCOMPARE(m_fixture.cachedValue(id, isFile, QStringLiteral("is_shared")).toInt(), shared ? 1 : 0);

        QVERIFY(m_fixture.notified({"Access granted"}));
    }

    void saveFails_data()
    {
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<QString>("failingStep");
        QTest::addColumn<QStringList>("rightsAfter");
        QTest::newRow("document: unshare fails")
            << true << QStringLiteral("UnShareBulk") << QStringList{QStringLiteral("u2:1")};
        QTest::newRow("document: share fails") << true << QStringLiteral("ShareBulk") << QStringList();
        QTest::newRow("folder: unshare fails")
            << false << QStringLiteral("UnShareBulk") << QStringList{QStringLiteral("r1:1")};
        QTest::newRow("folder: share fails") << false << QStringLiteral("ShareBulk") << QStringList();
    }

    void saveFails()
    {
        QFETCH(bool, isFile);
        QFETCH(QString, failingStep);
        QFETCH(QStringList, rightsAfter);
        const QString prefix = bulkPrefix(isFile);
        QVERIFY(m_fixture.simulator().setFault(prefix + failingStep, OperationFixture::portalError().fault));
        const int id = isFile ? 1001 : 113;
        const QVariant sharedBefore = m_fixture.cachedValue(id, isFile, QStringLiteral("is_shared"));
        // Take the current principal away and give user 4 access instead.
        const Principals current = isFile ? Principals{principal(2, 1)} : Principals{principal(1, 1, true)};
        Worker *worker = isFile ? static_cast<Worker *>(new SaveDocumentAccessRightsWorker(
                                      &m_fixture.dao(), id, {principal(4, 5)}, {}, current, {}))
                                : new SaveFolderAccessRightsWorker(&m_fixture.dao(), id, {principal(4, 5)}, {}, {},
                                                                   current);

        OperationFixture::Outcome outcome;
        QVERIFY(OperationFixture::runOnPool(worker, &outcome));
        QCOMPARE(outcome.success, false);
        QCOMPARE(outcome.message, OperationFixture::portalError().message);
        QCOMPARE(m_fixture.busyCount(), 0);
        QCOMPARE(m_fixture.cachedValue(id, isFile, QStringLiteral("is_shared")), sharedBefore);
        QCOMPARE(portalRights(isFile ? s_document : s_directory, id), rightsAfter);
        // A failed unshare step never sends the share step.
        QCOMPARE(m_fixture.requestCount(prefix + QStringLiteral("ShareBulk")),
                 failingStep == QLatin1String("ShareBulk") ? 1 : 0);

        QVERIFY(m_fixture.notified({"Error edit access"}, outcome.message));
    }
};

VELLIX_TEST_MAIN(TestSharingWorkers, QCoreApplication)
#include "tst_sharingworkers.moc"
