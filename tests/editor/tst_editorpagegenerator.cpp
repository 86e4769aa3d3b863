#include "editor/documenteditorpagegenerator.h"
#include "editor/editorpagegeneratorv2.h"
#include "testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QSet>
#include <QStandardPaths>
#include <QtTest>

namespace {

QJsonObject reply(const QJsonObject &payload, const QString &server = QStringLiteral("https://docs.example.org"))
{
    return {{QStringLiteral("Link"), QJsonObject{{QStringLiteral("Payload"), payload}}},
            {QStringLiteral("Info"), QJsonObject{{QStringLiteral("DocServerUrl"), server}}}};
}

QJsonObject titled(const QString &title)
{
    return {{QStringLiteral("document"), QJsonObject{{QStringLiteral("title"), title}}}};
}

QByteArray readPage(const QUrl &url)
{
    QFile file(url.toString());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

class TestEditorPageGenerator : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QDir(cacheDirectory()).removeRecursively();
    }

    void pageOfAKnownReply()
    {
        const QJsonObject payload{{QStringLiteral("document"),
                                   QJsonObject{{QStringLiteral("title"), QStringLiteral("Budget ü.xlsx")},
                                               {QStringLiteral("url"), QStringLiteral("https://docs.example.org/f?a=1&b=2")}}},
                                  {QStringLiteral("width"), QStringLiteral("100%")}};
        const QUrl url = EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(payload)));
        QVERIFY(url.scheme().isEmpty());
        QVERIFY(QRegularExpression(QStringLiteral("^%1/page_\\d{1,6}\\.html$")
                                       .arg(QRegularExpression::escape(cacheDirectory())))
                    .match(url.toString())
                    .hasMatch());
        const QByteArray expected =
            "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
            "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\"> \n"
            "<html xmlns=\"http://www.w3.org/1999/xhtml\"> \n"
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /><meta name=\"viewport\" "
            "content=\"width=device-width, initial-scale=1\" /><style type=\"text/css\"> \n"
            "    body { height: 100%; margin: 0; } \n"
            "</style> \n"
            "</head><body>\n"
            "<div id=\"placeholder\"> \n"
            "        <script type=\"text/javascript\" "
            "src=\"https://docs.example.org/web-apps/apps/api/documents/api.js\"></script> \n"
            "        <script> \n"
            "          new DocsAPI.DocEditor(\"placeholder\",\n"
            "{\"document\":{\"title\":\"Budget \xC3\xBC.xlsx\",\"url\":\"https://docs.example.org/f?a=1&b=2\"},"
            "\"width\":\"100%\"}); \n"
            "</script> \n"
            "</body>";
        QCOMPARE(readPage(url), expected);
    }

    void portalTextStaysInsideTheScript_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("script end") << QStringLiteral("</script><script>alert(1)</script>")
                                    << QByteArray("\\u003c/script>\\u003cscript>alert(1)\\u003c/script>");
        QTest::newRow("comment start") << QStringLiteral("<!--") << QByteArray("\\u003c!--");
        QTest::newRow("line separators") << QStringLiteral("a\u2028b\u2029c") << QByteArray("a\\u2028b\\u2029c");
    }

    void portalTextStaysInsideTheScript()
    {
        QFETCH(QString, title);
        QFETCH(QByteArray, written);
        const QByteArray page = readPage(EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(title)))));
        QVERIFY(page.contains("{\"document\":{\"title\":\"" + written + "\"}}); \n</script> \n</body>"));
        QCOMPARE(page.count("<script"), 2);
        QCOMPARE(page.count("</script>"), 2);
        // The escapes read back as the portal's text.
        const int start = page.indexOf("{\"document\"");
        const QByteArray json = page.mid(start, page.lastIndexOf("); \n") - start);
        QCOMPARE(QJsonDocument::fromJson(json).object(), titled(title));
    }

    void documentServerAddress_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QByteArray>("attribute"); // empty: no page
        QTest::newRow("http with port and path") << QStringLiteral("http://127.0.0.1:8080/docserver")
                                                 << QByteArray("http://127.0.0.1:8080/docserver");
        QTest::newRow("ampersand") << QStringLiteral("https://docs.example.org/a?b=1&d=2")
                                   << QByteArray("https://docs.example.org/a?b=1&amp;d=2");
        QTest::newRow("quote") << QStringLiteral("https://docs.example.org/\" onload=\"alert(1)") << QByteArray();
        QTest::newRow("script scheme") << QStringLiteral("javascript:alert(1)//") << QByteArray();
        QTest::newRow("file scheme") << QStringLiteral("file:///etc") << QByteArray();
        QTest::newRow("no scheme") << QStringLiteral("docs.example.org") << QByteArray();
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void documentServerAddress()
    {
        QFETCH(QString, server);
        QFETCH(QByteArray, attribute);
        const QUrl url = EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(QStringLiteral("a")), server)));
        if (attribute.isEmpty()) {
            QVERIFY(url.isEmpty());
            QVERIFY(pageFiles().isEmpty());
            return;
        }
        QVERIFY(readPage(url).contains("src=\"" + attribute + "/web-apps/apps/api/documents/api.js\""));
    }

    void replyWithoutTheObjectsWritesNoPage_data()
    {
        QTest::addColumn<QJsonDocument>("json");
        const QJsonObject good = reply(titled(QStringLiteral("a")));
        QJsonObject noInfo = good;
        noInfo.remove(QStringLiteral("Info"));
        QJsonObject emptyPayload = good;
        emptyPayload.insert(QStringLiteral("Link"), QJsonObject{{QStringLiteral("Payload"), QJsonObject()}});
        QJsonObject payloadNotObject = good;
        payloadNotObject.insert(QStringLiteral("Link"), QJsonObject{{QStringLiteral("Payload"), QStringLiteral("x")}});
        QJsonObject noLink = good;
        noLink.remove(QStringLiteral("Link"));
        QTest::newRow("no Info") << QJsonDocument(noInfo);
        QTest::newRow("empty Payload") << QJsonDocument(emptyPayload);
        QTest::newRow("Payload not an object") << QJsonDocument(payloadNotObject);
        QTest::newRow("no Link") << QJsonDocument(noLink);
        QTest::newRow("array") << QJsonDocument(QJsonArray{good});
        QTest::newRow("nothing") << QJsonDocument();
    }

    void replyWithoutTheObjectsWritesNoPage()
    {
        QFETCH(QJsonDocument, json);
        QTest::ignoreMessage(QtWarningMsg, "Error parse EditRights json");
        QVERIFY(EditorPageGeneratorV2::getPageUrl(json).isEmpty());
        QVERIFY(pageFiles().isEmpty());
    }

    void unwritableCacheDirectoryWritesNoPage()
    {
        // A file where the directory should be.
        QDir().mkpath(QFileInfo(cacheDirectory()).path());
        QFile blocker(cacheDirectory());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTest::ignoreMessage(QtWarningMsg, "Error open temp file");
        QVERIFY(EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(QStringLiteral("a"))))).isEmpty());
        QVERIFY(blocker.remove());
    }

    void existingPagesAreNeverOverwritten()
    {
        // Names for the next three seconds are taken already, so pages made now
        // meet taken names whatever the clock says.
        QVERIFY(QDir().mkpath(cacheDirectory()));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QSet<QString> taken;
        for (qint64 ms = now; ms < now + 3000; ++ms) {
            QFile file(QStringLiteral("%1/page_%2.html").arg(cacheDirectory()).arg(ms % 1000000));
            QVERIFY(file.open(QIODevice::WriteOnly));
            taken.insert(file.fileName());
        }
        QSet<QString> made;
        for (int i = 0; i < 3; ++i) {
            const QString title = QStringLiteral("page %1").arg(i);
            const QUrl url = EditorPageGeneratorV2::getPageUrl(QJsonDocument(reply(titled(title))));
            QVERIFY(!taken.contains(url.toString()));
            QVERIFY(readPage(url).contains(title.toUtf8()));
            made.insert(url.toString());
        }
        QCOMPARE(made.size(), 3);
        for (const QString &name : qAsConst(taken))
            QCOMPARE(QFileInfo(name).size(), 0);
    }

    void everyEditableExtensionIsViewable()
    {
        // Extensions are matched as they are: no case folding, no dot.
        for (const QString &other : {QStringLiteral("DOCX"), QStringLiteral(".docx"), QString()})
            QVERIFY(!EditorPageGeneratorV2::isAvailableExtension(other) && !DocumentEditorPageGenerator::isAvailableExtension(other));
        for (auto it = EditorPageGeneratorV2::s_documentsTypes.cbegin(); it != EditorPageGeneratorV2::s_documentsTypes.cend(); ++it)
            QVERIFY2(DocumentEditorPageGenerator::isAvailableExtension(it.key()), qPrintable(it.key()));
    }
};

VELLIX_TEST_MAIN(TestEditorPageGenerator, QCoreApplication)
#include "tst_editorpagegenerator.moc"
