#include "controllers/renamecontroller.h"
#include "operationsuite.h"
#include "portalrefusal.h"
#include "testenvironment.h"
#include "workers/getfolderinfoworker.h"

#include <QCoreApplication>
#include <QtTest>

class TestRenameController : public OperationSuite
{
    Q_OBJECT

private slots:
    // An info worker without an owner outlives the dialog and reports to a freed one.
    void infoWorkersBelongToTheController()
    {
        RenameController controller;
        QCOMPARE(controller.findChildren<GetFolderInfoWorker *>().size(), 1);
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("pureName");
        QTest::newRow("file") << "Notes.txt" << true << ".txt" << "Notes";
        QTest::newRow("file, two dots") << "Budget.2024.xlsx" << true << ".xlsx" << "Budget.2024";
        QTest::newRow("file without dot") << "README" << true << "" << "README";
        QTest::newRow("file ending in a dot") << "draft." << true << "." << "draft";
        QTest::newRow("folder with a dot") << "Archive.2023" << false << "" << "Archive.2023";
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, isFile);
        QFETCH(QString, extension);
        QFETCH(QString, pureName);
        RenameController controller;
        QCOMPARE(controller.getExtension(name, isFile), extension);
        QCOMPARE(controller.getPureName(name, isFile), pureName);
    }

    void validator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("latin") << "Report 2024" << true;
        QTest::newRow("cyrillic") << "Отчёт" << true;
        QTest::newRow("digit, then anything but a dot") << "1) plan, #2!" << true;
        QTest::newRow("white space first") << " plan" << true;
        QTest::newRow("punctuation first") << "-plan" << false;
        QTest::newRow("cyrillic letter outside the ranges first") << "ёлка" << false;
        QTest::newRow("a dot") << "plan.docx" << false;
        QTest::newRow("empty") << "" << false;
    }

    void validator()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(RenameController().checkNewName().exactMatch(name), valid);
    }

    // Entity info, parent id, then the names of the parent folder.
    void namesOfTheParent_data()
    {
        QTest::addColumn<int>("entityId");
        QTest::addColumn<bool>("isFile");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QStringList>("free");
        QTest::newRow("file") << 1005 << true << QStringList{"Notes", "Budget 2024", "Welcome"}
                              << QStringList{"Notes.txt", "notes", "Projects"};
        QTest::newRow("folder") << 111 << false << QStringList{"Aurora", "Archive 2023"}
                                << QStringList{"Projects", "aurora"};
    }

    void namesOfTheParent()
    {
        QFETCH(int, entityId);
        QFETCH(bool, isFile);
        QFETCH(QStringList, taken);
        QFETCH(QStringList, free);
        RenameController controller;
        QSignalSpy updated(&controller, &RenameController::namesUpdated);
        controller.updateEntityInfo(entityId, isFile);
        QVERIFY(controller.connectionInProgress());
        QVERIFY(updated.wait(10000));
        QCOMPARE(controller.connectionInProgress(), false);
        for (const QString &name : taken)
            QVERIFY2(controller.nameExists(name), qPrintable(name));
        for (const QString &name : free)
            QVERIFY2(!controller.nameExists(name), qPrintable(name));
    }

    void unreadableEntityShowsTheError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isFile");
        QTest::newRow("file info") << PortalPath::s_documentInfo << true;
        QTest::newRow("folder info") << PortalPath::s_folders << false;
        QTest::newRow("names") << PortalPath::s_documents << true;
    }

    void unreadableEntityShowsTheError()
    {
        QFETCH(QString, path);
        QFETCH(bool, isFile);
        QVERIFY(m_fixture.simulator().setFault(path, PortalRefusal::fault()));
        RenameController controller;
        QSignalSpy updated(&controller, &RenameController::namesUpdated);
        controller.updateEntityInfo(isFile ? 1005 : 111, isFile);
        QTRY_VERIFY_WITH_TIMEOUT(controller.connectionFailed(), 10000);
        QCOMPARE(controller.errorMessage(), PortalRefusal::text());
        QCOMPARE(controller.connectionInProgress(), false);
        QCOMPARE(updated.count(), 0);
    }
};

VELLIX_TEST_MAIN(TestRenameController, QCoreApplication)
#include "tst_renamecontroller.moc"
