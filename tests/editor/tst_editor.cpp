#include "editor/documenteditorpagecontroller.h"
#include "editor/documenteditorpagegenerator.h"
#include "editor/editorpagegeneratorv2.h"
#include "filesizelimit.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QJsonArray>
#include <QtTest>

namespace {
QJsonObject reply(const QJsonObject &payload, const QString &server = QStringLiteral("https://docs.example.org"))
{
    return {{"Link", QJsonObject{{"Payload", payload}}}, {"Info", QJsonObject{{"DocServerUrl", server}}}};
}

QJsonObject titled(const QString &title)
{
    return {{"document", QJsonObject{{"title", title}}}};
}

QString cacheDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QStringList pageFiles()
{
    return QDir(cacheDirectory()).entryList({QStringLiteral("page_*.html")}, QDir::Files);
}
} // namespace

// The editor page: generated from the portal's edit rights, kept by its controller.
class TestEditor : public QObject
{
    Q_OBJECT
private:
    SimulatorProcess m_simulator;
    Settings m_settings;

    QStringList requestTargets()
    {
        QStringList targets;
        for (const QJsonValue &request : m_simulator.requests())
            targets << request[QStringLiteral("target")].toString();
        return targets;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        m_settings.savePortalAddress(m_simulator.baseUrl());
        m_settings.saveAccessToken(m_simulator.validAccessToken());
    }

    void init()
    {
        QDir(cacheDirectory()).removeRecursively();
        QVERIFY(m_simulator.clearFaults());
        QVERIFY(m_simulator.clearRequests());
        m_settings.saveDocumentServerAddress(QString());
    }

    void portalTextStaysInsideTheScript_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QStringLiteral("Budget ü.xlsx?a=1&b=2") << QByteArray("Budget \xC3\xBC.xlsx?a=1&b=2");
        QTest::newRow("script end") << QStringLiteral("</script><script>alert(1)</script>")
                                    << QByteArray("\\u003c/script>\\u003cscript>alert(1)\\u003c/script>");
        QTest::newRow("comment start") << QStringLiteral("<!--") << QByteArray("\\u003c!--");
        QTest::newRow("line separators") << QStringLiteral("a\u2028b\u2029c") << QByteArray("a\\u2028b\\u2029c");
    }

    void portalTextStaysInsideTheScript()
    {
        QFETCH(QString, title);
        QFETCH(QByteArray, written);
        const QUrl url = EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(title))));
        QVERIFY(url.scheme().isEmpty());
        QVERIFY2(QRegularExpression(QStringLiteral("^%1/page_\\d{1,6}\\.html$").arg(QRegularExpression::escape(cacheDirectory())))
                     .match(url.toString())
                     .hasMatch(),
                 qPrintable(url.toString()));
        const QByteArray page = TestEnvironment::readFile(url.toString());
        QVERIFY(page.contains("charset=utf-8"));
        QVERIFY(page.contains("src=\"https://docs.example.org/web-apps/apps/api/documents/api.js\""));
        QVERIFY(page.contains("{\"document\":{\"title\":\"" + written + "\"}}); \n</script> \n</body>"));
        QCOMPARE(page.count("<script"), 2);
        QCOMPARE(page.count("</script>"), 2);
        // The escapes read back as the portal's text.
        const int start = page.indexOf("{\"document\"");
        QCOMPARE(QJsonDocument::fromJson(page.mid(start, page.lastIndexOf("); \n") - start)).object(), titled(title));
    }

    void pageOnlyForAUsableReply_data()
    {
        QTest::addColumn<QJsonDocument>("json");
        QTest::addColumn<QByteArray>("attribute"); // the script's address; empty: no page
        const auto at = [](const char *server) { return QJsonDocument(reply(titled(QStringLiteral("a")), QString::fromUtf8(server))); };
        QTest::newRow("http with port and path") << at("http://127.0.0.1:8080/docserver") << QByteArray("http://127.0.0.1:8080/docserver");
        QTest::newRow("ampersand") << at("https://docs.example.org/a?b=1&d=2") << QByteArray("https://docs.example.org/a?b=1&amp;d=2");
        QTest::newRow("quote") << at("https://docs.example.org/\" onload=\"alert(1)") << QByteArray();
        QTest::newRow("script scheme") << at("javascript:alert(1)//") << QByteArray();
        QTest::newRow("file scheme") << at("file:///etc") << QByteArray();
        QTest::newRow("no host") << at("https:///docs") << QByteArray();
        QTest::newRow("no scheme") << at("docs.example.org") << QByteArray();
        QTest::newRow("no address") << at("") << QByteArray();
        const QJsonObject good = reply(titled(QStringLiteral("a")));
        QTest::newRow("no Info") << QJsonDocument(QJsonObject{{"Link", good["Link"]}}) << QByteArray();
        QTest::newRow("no Link") << QJsonDocument(QJsonObject{{"Info", good["Info"]}}) << QByteArray();
        QTest::newRow("empty Payload") << QJsonDocument(reply(QJsonObject())) << QByteArray();
        QTest::newRow("Payload not an object")
            << QJsonDocument(QJsonObject{{"Link", QJsonObject{{"Payload", "x"}}}, {"Info", good["Info"]}}) << QByteArray();
        QTest::newRow("array") << QJsonDocument(QJsonArray{good}) << QByteArray();
        QTest::newRow("nothing") << QJsonDocument() << QByteArray();
    }

    void pageOnlyForAUsableReply()
    {
        QFETCH(QJsonDocument, json);
        QFETCH(QByteArray, attribute);
        if (attribute.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Error parse EditRights json")));
        const QUrl url = EditorPageGeneratorV2::getPageUrl(json);
        QCOMPARE(url.isEmpty(), attribute.isEmpty());
        QCOMPARE(pageFiles().size(), attribute.isEmpty() ? 0 : 1);
        if (!attribute.isEmpty())
            QVERIFY(TestEnvironment::readFile(url.toString()).contains("src=\"" + attribute + "/web-apps/apps/api/documents/api.js\""));
    }

    void unwritableCacheDirectoryWritesNoPage()
    {
        // A file where the directory should be.
        QDir().mkpath(QFileInfo(cacheDirectory()).path());
        QVERIFY(TestEnvironment::writeFile(cacheDirectory(), QByteArray()));
        QTest::ignoreMessage(QtWarningMsg, "Error open temp file");
        QVERIFY(EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(QStringLiteral("a"))))).isEmpty());
        QVERIFY(QFile::remove(cacheDirectory()));
    }

    void fullDiskLeavesNoHalfPage()
    {
        QVERIFY(QDir().mkpath(cacheDirectory()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Error write temp file")));
        QUrl url;
        {
            const FileSizeLimit limit(64);
            QVERIFY(limit.isActive());
            url = EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(QStringLiteral("a")))));
        }
        QVERIFY(url.isEmpty());
        QCOMPARE(pageFiles(), QStringList());
    }

    void existingPagesAreNeverOverwritten()
    {
        // Names for the next three seconds are taken already, so pages made now
        // meet taken names whatever the clock says.
        QVERIFY(QDir().mkpath(cacheDirectory()));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QSet<QString> taken;
        for (qint64 ms = now; ms < now + 3000; ++ms) {
            const QString name = QStringLiteral("%1/page_%2.html").arg(cacheDirectory()).arg(ms % 1000000);
            QVERIFY(TestEnvironment::writeFile(name, QByteArray()));
            taken.insert(name);
        }
        QSet<QString> made;
        for (int i = 0; i < 3; ++i) {
            const QString title = QStringLiteral("page %1").arg(i);
            const QUrl url = EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(title))));
            QVERIFY(!taken.contains(url.toString()));
            QVERIFY(TestEnvironment::readFile(url.toString()).contains(title.toUtf8()));
            made.insert(url.toString());
        }
        QCOMPARE(made.size(), 3);
        for (const QString &name : qAsConst(taken))
            QCOMPARE(QFileInfo(name).size(), 0);
    }

    void pagesOfDocumentsGoWithTheController()
    {
        QStringList pages;
        {
            DocumentEditorPageController controller;
            controller.setSettings(&m_settings);
            QSignalSpy link(&controller, &DocumentEditorPageController::linkReady);
            for (int id : {1001, 1002}) {
                controller.prepareEditorPage(id);
                QVERIFY(controller.connectionInProgress());
                QVERIFY(link.wait(20000));
                pages << link.takeFirst().first().toUrl().toString();
            }
            QVERIFY(!controller.connectionInProgress());
            QVERIFY(!controller.connectionFailed());
            QCOMPARE(requestTargets(), (QStringList{QStringLiteral("/api/v1/Documents/EditRights?Id=1001&editorType=mobile"),
                                                    QStringLiteral("/api/v1/Documents/EditRights?Id=1002&editorType=mobile")}));
            QVERIFY(pages.first() != pages.last());
            const QByteArray html = TestEnvironment::readFile(pages.first());
            QVERIFY(html.contains("src=\"" + m_simulator.baseUrl().toUtf8() + "/docserver/web-apps/apps/api/documents/api.js\""));
            QVERIFY(html.contains("\"title\":\"Welcome.docx\""));
            // The page's own location, as the web view reports it, passes; other places do not.
            QVERIFY(controller.testUrl(QUrl::fromLocalFile(pages.last()).toString()));
            QVERIFY(!controller.testUrl(QStringLiteral("https://elsewhere.example.org/")));
            QVERIFY(QFile::exists(pages.first()));
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
        QTest::newRow("portal error") << 1001 << QJsonObject{{"status", 500}} << byId << true;
        QTest::newRow("reply without Payload")
            << 1001
            << QJsonObject{{"status", 200},
                           {"body", QJsonObject{{"Link", QJsonObject{{"Url", 1}}}, {"Info", QJsonObject{{"DocServerUrl", "http://a"}}}}}}
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
        QVERIFY(pageFiles().isEmpty());
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

    void everyEditableExtensionIsViewable()
    {
        for (auto it = EditorPageGeneratorV2::s_documentsTypes.cbegin(); it != EditorPageGeneratorV2::s_documentsTypes.cend(); ++it)
            QVERIFY2(DocumentEditorPageGenerator::isAvailableExtension(it.key()), qPrintable(it.key()));
        // Extensions are matched as they are: no case folding, no dot.
        for (const QString &other : {QStringLiteral("DOCX"), QStringLiteral(".docx"), QString()})
            QVERIFY(!DocumentEditorPageGenerator::isAvailableExtension(other));
    }
};

VELLIX_TEST_MAIN(TestEditor, QCoreApplication)
#include "tst_editor.moc"
