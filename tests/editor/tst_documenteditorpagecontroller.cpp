#include "editor/documenteditorpagecontroller.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QtTest>

class TestDocumentEditorPageController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        m_settings.savePortalAddress(m_simulator.baseUrl());
        m_settings.saveAccessToken(m_simulator.validAccessToken());
    }

    void init()
    {
        QVERIFY(m_simulator.clearFaults());
        QVERIFY(m_simulator.clearRequests());
        m_settings.saveDocumentServerAddress(QString());
    }

    void pageOfADocument()
    {
        DocumentEditorPageController controller;
        controller.setSettings(&m_settings);
        QSignalSpy link(&controller, &DocumentEditorPageController::linkReady);
        controller.prepareEditorPage(1001);
        QVERIFY(controller.connectionInProgress());
        QVERIFY(link.wait(20000));
        QVERIFY(!controller.connectionInProgress());
        QVERIFY(!controller.connectionFailed());

        QCOMPARE(requestTargets(), QStringList{QStringLiteral("/api/v1/Documents/EditRights?Id=1001&editorType=mobile")});
        const QString page = link.first().first().toUrl().toString();
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(html.contains("src=\"" + m_simulator.baseUrl().toUtf8() + "/docserver/web-apps/apps/api/documents/api.js\""));
        QVERIFY(html.contains("\"title\":\"Welcome.docx\""));
        // The page's own location, as the web view reports it, passes; other places do not.
        QVERIFY(controller.testUrl(QUrl::fromLocalFile(page).toString()));
        QVERIFY(!controller.testUrl(QStringLiteral("https://elsewhere.example.org/")));
    }

    void pagesGoWithTheController()
    {
        QStringList pages;
        {
            DocumentEditorPageController controller;
            QSignalSpy link(&controller, &DocumentEditorPageController::linkReady);
            for (int id : {1001, 1002}) {
                controller.prepareEditorPage(id);
                QVERIFY(link.wait(20000));
                pages << link.takeFirst().first().toUrl().toString();
            }
            QCOMPARE(QSet<QString>(pages.cbegin(), pages.cend()).size(), 2);
            for (const QString &page : pages)
                QVERIFY(QFile::exists(page));
        }
        for (const QString &page : pages)
            QVERIFY(!QFile::exists(page));
    }

    void failures_data()
    {
        QTest::addColumn<int>("documentId");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("failed");
        const QString byId = QStringLiteral("/api/v1/Documents/EditRights?Id=1001&editorType=mobile");
        // No document has the empty uid: the portal refuses.
        QTest::newRow("uid form for id 0") << 0 << QJsonObject() << QStringLiteral("/api/v1/Documents/EditRights?Uid=&editorType=mobile") << true;
        QTest::newRow("portal error") << 1001 << QJsonObject{{QStringLiteral("status"), 500}} << byId << true;
        QTest::newRow("reply without Payload")
            << 1001
            << QJsonObject{{QStringLiteral("status"), 200},
                           {QStringLiteral("body"), QJsonObject{{QStringLiteral("Link"), QJsonObject{{QStringLiteral("Url"), 1}}},
                                                               {QStringLiteral("Info"), QJsonObject{{QStringLiteral("DocServerUrl"), QStringLiteral("http://a")}}}}}}
            << byId << false;
    }

    void failures()
    {
        QFETCH(int, documentId);
        QFETCH(QJsonObject, fault);
        QFETCH(QString, target);
        QFETCH(bool, failed);
        if (!fault.isEmpty())
            QVERIFY(m_simulator.setFault(QStringLiteral("/api/v1/Documents/EditRights"), fault));
        DocumentEditorPageController controller;
        QSignalSpy link(&controller, &DocumentEditorPageController::linkReady);
        controller.prepareEditorPage(documentId);
        QTRY_VERIFY_WITH_TIMEOUT(!controller.connectionInProgress(), 20000);
        QCOMPARE(controller.connectionFailed(), failed);
        QCOMPARE(requestTargets(), QStringList{target});
        // A failed request gives no location at all, an unusable reply an empty one.
        QCOMPARE(link.count(), failed ? 0 : 1);
        if (!failed)
            QVERIFY(link.first().first().toUrl().isEmpty());
        const QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
        QVERIFY(cache.entryList({QStringLiteral("page_*.html")}).isEmpty());
    }

    void testUrl_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        const QString server = QStringLiteral("https://docs.example.org");
        QTest::newRow("document server") << server << QStringLiteral("https://docs.example.org/web-apps/x") << true;
        QTest::newRow("elsewhere") << server << QStringLiteral("https://evil.example.net/") << false;
        QTest::newRow("case differs") << server << QStringLiteral("https://DOCS.example.org/") << false;
        QTest::newRow("no address stored") << QString() << QStringLiteral("https://evil.example.net/") << false;
        QTest::newRow("no address, empty url") << QString() << QString() << false;
    }

    void testUrl()
    {
        QFETCH(QString, server);
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        m_settings.saveDocumentServerAddress(server);
        DocumentEditorPageController controller;
        controller.setSettings(&m_settings);
        QCOMPARE(controller.testUrl(url), allowed);
    }

    void isAvailableExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("available");
        QTest::newRow("last part counts") << QStringLiteral("report.pdf.docx") << true;
        QTest::newRow("capitals") << QStringLiteral("Report.DOCX") << false;
        QTest::newRow("viewable only") << QStringLiteral("Contract.pdf") << false;
        QTest::newRow("no dot, whole name") << QStringLiteral("xlsx") << true;
        QTest::newRow("no dot, other name") << QStringLiteral("README") << false;
        QTest::newRow("trailing dot") << QStringLiteral("notes.") << false;
    }

    void isAvailableExtension()
    {
        QFETCH(QString, name);
        QFETCH(bool, available);
        QCOMPARE(DocumentEditorPageController().isAvailableExtension(name), available);
    }

private:
    QStringList requestTargets()
    {
        QStringList targets;
        for (const QJsonValue &request : m_simulator.requests())
            targets << request.toObject().value(QStringLiteral("target")).toString();
        return targets;
    }

    SimulatorProcess m_simulator;
    Settings m_settings;
};

VELLIX_TEST_MAIN(TestDocumentEditorPageController, QCoreApplication)
#include "tst_documenteditorpagecontroller.moc"
