#include "controllers/creationpagecontroller.h"
#include "operationsuite.h"
#include "portalrefusal.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QtTest>

class TestCreationPageController : public OperationSuite
{
    Q_OBJECT

private:
    QJsonObject portalEntry(const QString &kind, const QString &name)
    {
        for (const QJsonValue &entry : m_fixture.simulator().state().value(kind).toArray()) {
            if (entry.toObject().value(QStringLiteral("Name")).toString() == name)
                return entry.toObject();
        }
        return {};
    }

private slots:
    // A second creation reuses the worker; the ids follow the latest one.
    void createdEntriesAndTheirIds()
    {
        CreationPageController controller;
        QSignalSpy created(&controller, &CreationPageController::createDocumentSuccess);
        for (const QString &name : {QStringLiteral("Plan.docx"), QStringLiteral("Sums.xlsx")}) {
            controller.createDocument(name, 110);
            QVERIFY(controller.connectionInProgress());
            QVERIFY(created.wait(10000));
            QCOMPARE(created.takeFirst().first().toString(), name);
            const QJsonObject document = portalEntry(QStringLiteral("documents"), name);
            QCOMPARE(document.value(QStringLiteral("DirectoryId")).toInt(), 110);
            QCOMPARE(controller.getIDDocumentCreated(), document.value(QStringLiteral("Id")).toInt());
            QCOMPARE(controller.getIDOwner(), 1);
        }
        controller.createFolder(QStringLiteral("Minutes"), 110);
        QVERIFY(created.wait(10000));
        QCOMPARE(controller.getIDFolderCreated(),
                 portalEntry(QStringLiteral("folders"), QStringLiteral("Minutes")).value(QStringLiteral("Id")).toInt());
        QCOMPARE(controller.connectionInProgress(), false);
    }

    void refusedCreationShowsTheError_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("document") << false << "/api/v1/Documents/Create";
        QTest::newRow("folder") << true << "/api/v1/DocumentDirectory/AddSubDirectory";
    }

    void refusedCreationShowsTheError()
    {
        QFETCH(bool, folder);
        QFETCH(QString, path);
        QVERIFY(m_fixture.simulator().setFault(path, PortalRefusal::fault()));
        CreationPageController controller;
        QSignalSpy created(&controller, &CreationPageController::createDocumentSuccess);
        if (folder)
            controller.createFolder(QStringLiteral("Minutes"), 110);
        else
            controller.createDocument(QStringLiteral("Plan.docx"), 110);
        QTRY_VERIFY_WITH_TIMEOUT(controller.connectionFailed(), 10000);
        QCOMPARE(controller.errorMessage(), PortalRefusal::text());
        QCOMPARE(controller.connectionInProgress(), false);
        QCOMPARE(created.count(), 0);
        // A refusal leaves the ids unset.
        QCOMPARE(controller.getIDDocumentCreated(), -1);
        QCOMPARE(controller.getIDOwner(), -1);
        QCOMPARE(controller.getIDFolderCreated(), -1);
    }

    void invalidArgumentsAreOnlyLogged_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("folderId");
        QTest::addColumn<QString>("warning");
        const QString create = QStringLiteral("Error create document (data invalid)");
        QTest::newRow("document without name") << 0 << "" << 110 << create;
        QTest::newRow("document in no folder") << 0 << "Plan.docx" << -1 << create;
        QTest::newRow("folder without name") << 1 << "" << 110 << create;
        QTest::newRow("upload without path") << 2 << "" << 110 << "Error upload document (data invalid)";
        QTest::newRow("upload into no folder") << 2 << "/etc/hostname" << -1 << "Error upload document (data invalid)";
    }

    void invalidArgumentsAreOnlyLogged()
    {
        QFETCH(int, call);
        QFETCH(QString, text);
        QFETCH(int, folderId);
        QFETCH(QString, warning);
        CreationPageController controller;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        if (call == 0)
            controller.createDocument(text, folderId);
        else if (call == 1)
            controller.createFolder(text, folderId);
        else
            controller.uploadDocument(text, folderId);
        QCOMPARE(controller.connectionInProgress(), false);
        QTest::qWait(200);
        QCOMPARE(m_fixture.requests(), QStringList());
    }
};

VELLIX_TEST_MAIN(TestCreationPageController, QCoreApplication)
#include "tst_creationpagecontroller.moc"
