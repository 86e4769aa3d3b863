#include "app/webenginesetup.h"
#include "editor/documenteditorpagecontroller.h"
#include "portalcall.h"
#include "settings/settings.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWebEngineProfile>
#include <QQuickWindow>
#include <QtTest>

// The editor page as the application shows it: the generated page in a
// WebEngineView, the document server's script from the simulator.
class TestEditorWebView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_simulator.start());
        m_token = m_simulator.validAccessToken();
        Settings settings;
        settings.savePortalAddress(m_simulator.baseUrl());
        settings.saveAccessToken(m_token);
        WebEngineSetup::applyUserPreferences(QQuickWebEngineProfile::defaultProfile());

        QQmlComponent component(&m_engine);
        component.setData("import QtQuick 2.12\n"
                          "import QtQuick.Window 2.12\n"
                          "import QtWebEngine 1.10\n"
                          "Window {\n"
                          "  width: 480; height: 640; visible: true\n"
                          "  property alias url: view.url\n"
                          "  signal evaluated(var result)\n"
                          "  function evaluate(script) { view.runJavaScript(script, function(r) { evaluated(r) }) }\n"
                          "  WebEngineView { id: view; anchors.fill: parent }\n"
                          "}\n",
                          QUrl());
        m_window.reset(component.create());
        QVERIFY2(m_window, qPrintable(component.errorString()));
    }

    void editorOpensTheDocumentAndSavesIt()
    {
        DocumentEditorPageController controller;
        controller.setSettings(&m_settings);
        QSignalSpy link(&controller, &DocumentEditorPageController::linkReady);
        controller.prepareEditorPage(1001);
        QVERIFY(link.wait(20000));
        const QString page = link.first().first().toUrl().toString();
        QVERIFY(QFile::exists(page));

        m_window->setProperty("url", QUrl::fromLocalFile(page));
        // The document server's editor reports its state to the page.
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("window.DocsAPI && DocsAPI.editors.length ? DocsAPI.editors[0].state : 'none'"),
                                  QVariant(QStringLiteral("ready")), 60000);
        QCOMPARE(evaluate("DocsAPI.editors[0].title"), QVariant(QStringLiteral("Welcome.docx")));
        QCOMPARE(evaluate("DocsAPI.editors[0].text"),
                 QVariant(QStringLiteral("Welcome to the Vellix portal\nThis document lives in My documents.")));
        QCOMPARE(evaluate("navigator.userAgent"),
                 QVariant(QStringLiteral("Mozilla/5.0 (Android 8.1.0; Aurora 4.0.2; Mobile; rv:78.0) Gecko/78.0 Firefox/78.0")));
        QVERIFY(controller.testUrl(evaluate("window.location.href").toString()));

        const double sizeBefore = documentSize();
        evaluate("DocsAPI.editors[0].save('Edited in the web view'); true");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("DocsAPI.editors[0].state"), QVariant(QStringLiteral("saved")), 30000);
        QVERIFY(documentSize() != sizeBefore);
        QCOMPARE(evaluate("DocsAPI.editors[0].text"), QVariant(QStringLiteral("Edited in the web view")));
        m_window->setProperty("url", QUrl(QStringLiteral("about:blank")));
    }

private:
    QVariant evaluate(const char *script)
    {
        QSignalSpy evaluated(m_window.get(), SIGNAL(evaluated(QVariant)));
        QMetaObject::invokeMethod(m_window.get(), "evaluate", Q_ARG(QVariant, QString::fromUtf8(script)));
        if (!evaluated.wait(20000))
            return QVariant(QStringLiteral("no answer"));
        return evaluated.first().first();
    }

    double documentSize()
    {
        const PortalCall call = PortalCall::send(
            "GET", QUrl(m_simulator.baseUrl() + QStringLiteral("/api/v1/Documents?Id=1001")), m_token);
        const QJsonDocument json = QJsonDocument::fromJson(call.body);
        const QJsonObject document = json.isArray() ? json.array().first().toObject() : json.object();
        return document.value(QStringLiteral("Size")).toDouble();
    }

    SimulatorProcess m_simulator;
    Settings m_settings;
    QString m_token;
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_window;
};

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    WebEngineSetup::initialize();
    QGuiApplication app(argc, argv);
    TestEditorWebView test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_editorwebview.moc"
