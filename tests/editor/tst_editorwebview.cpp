#include "app/coreinit.h"
#include "app/webenginesetup.h"
#include "editor/documenteditorpagecontroller.h"
#include "platform/sailfishapp.h"
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

// The application's editor page: the generated page in its WebEngineView,
// the document server's editor from the simulator.
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

        CoreInit::registerTypes();
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick 2.12\n"
                          "import QtQuick.Window 2.12\n"
                          "import com.vellix.VellixOfficeAurora 1.0\n"
                          "Window {\n"
                          "  width: 480; height: 640; visible: true\n"
                          "  property Settings settings: Settings {}\n"
                          "  property Item editor\n"
                          "  signal evaluated(var result)\n"
                          "  function open(source, documentId) {\n"
                          "    var component = Qt.createComponent(source)\n"
                          "    editor = component.createObject(contentItem, { session: { settings: settings, dao: null },\n"
                          "                                                   documentId: documentId, width: width, height: height })\n"
                          "    return editor ? '' : component.errorString()\n"
                          "  }\n"
                          "  function evaluate(script) { editor.view.runJavaScript(script, function(r) { evaluated(r) }) }\n"
                          "}\n",
                          QUrl());
        m_window.reset(component.create());
        QVERIFY2(m_window, qPrintable(component.errorString()));
    }

    void editorOpensTheDocumentAndSavesIt()
    {
        QVariant error;
        QMetaObject::invokeMethod(m_window.get(), "open", Q_RETURN_ARG(QVariant, error),
                                  Q_ARG(QVariant, SailfishApp::pathTo(QStringLiteral("qml/pages/DocumentEditorPage.qml"))),
                                  Q_ARG(QVariant, 1001));
        QVERIFY2(error.toString().isEmpty(), qPrintable(error.toString()));
        auto *controller = m_window->findChild<DocumentEditorPageController *>();
        QVERIFY(controller);
        // The document server's editor reports its state to the page.
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("window.DocsAPI && DocsAPI.editors.length ? DocsAPI.editors[0].state : 'none'"),
                                  QVariant(QStringLiteral("ready")), 60000);
        QCOMPARE(evaluate("DocsAPI.editors[0].title"), QVariant(QStringLiteral("Welcome.docx")));
        QCOMPARE(evaluate("DocsAPI.editors[0].text"),
                 QVariant(QStringLiteral("Welcome to the Vellix portal\nThis document lives in My documents.")));
        QCOMPARE(evaluate("navigator.userAgent"),
                 QVariant(QStringLiteral("Mozilla/5.0 (Android 8.1.0; Aurora 4.0.2; Mobile; rv:78.0) Gecko/78.0 Firefox/78.0")));
        QVERIFY(controller->testUrl(evaluate("window.location.href").toString()));

        const double sizeBefore = documentSize();
        evaluate("DocsAPI.editors[0].save('Edited in the web view'); true");
        QTRY_COMPARE_WITH_TIMEOUT(evaluate("DocsAPI.editors[0].state"), QVariant(QStringLiteral("saved")), 30000);
        QVERIFY(documentSize() != sizeBefore);
        QCOMPARE(evaluate("DocsAPI.editors[0].text"), QVariant(QStringLiteral("Edited in the web view")));
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
