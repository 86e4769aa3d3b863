// Walks the real application through every page against the portal simulator
// and saves a picture of each, at every window size asked for:
//   vellix-screenshot-tour --out DIR [--size NAME:WxH[:LOCALE] ...] [--settle MS]
#include "app/coreinit.h"
#include "app/translationloader.h"
#include "app/webenginesetup.h"
#include "platform/sailfishapp.h"
#include "privatesessionbus.h"
#include "securestorageserviceprocess.h"
#include "simulatorprocess.h"
#include "testenvironment.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWebEngineProfile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace {

struct WindowSize
{
    QString name;
    QSize size;
    // The interface language of this size's pictures; English when empty.
    QString locale;
};

class Tour
{
public:
    Tour(const SimulatorProcess &simulator, const QString &directory, const WindowSize &window, int settleMs)
        : m_simulator(simulator), m_directory(directory), m_window(window), m_settleMs(settleMs)
    {
    }

    bool run()
    {
        // Each size starts as a first start: introduction, then sign-in.
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                      + QStringLiteral("/appConfig.ini"));
        if (!m_window.locale.isEmpty() && !m_translations.install(QLocale(m_window.locale)))
            return fail(QStringLiteral("no catalogue for %1").arg(m_window.locale));
        m_view.reset(SailfishApp::createView());
        m_view->rootContext()->setContextProperty(QStringLiteral("appVersion"), QStringLiteral("1.8.5.114"));
        m_view->setSource(SailfishApp::pathTo(QStringLiteral("qml/VellixOfficeAurora.qml")));
        m_view->resize(m_window.size);
        m_view->show();
        if (m_view->status() != QQuickView::Ready)
            return fail(QStringLiteral("the main file did not load"));

        if (!waitFor("introductionPage") || !shoot("introduction"))
            return false;
        evaluate("session.signIn()");
        if (!waitFor("signInPage"))
            return false;
        setText("portalAddressField", m_simulator.baseUrl());
        setText("loginField", SimulatorProcess::s_demoLogin);
        setText("passwordField", SimulatorProcess::s_demoPassword);
        if (!shoot("sign-in"))
            return false;
        for (const char *page : {"RegistrationPage", "PasswordRecoveryPage", "SupportPage"}) {
            evaluate(QStringLiteral("session.openOnRoot('%1.qml')").arg(QLatin1String(page)));
            if (!shoot(QString::fromLatin1(page).remove(QStringLiteral("Page")).toLower()))
                return false;
            evaluate("session.back()");
        }

        QMetaObject::invokeMethod(find("signInPage"), "signIn");
        if (!waitFor("portalPage") || !waitFor("sectionsList", 6) || !shoot("sections"))
            return false;

        const QList<QPair<int, QString>> sections{{16, "my-documents"},   {256, "available-for-me"},
                                                  {8, "shared-access"},   {4, "common"},
                                                  {512, "favorites"},     {2048, "last-documents"},
                                                  {134217728, "trash"}};
        for (const auto &section : sections) {
            evaluate(QStringLiteral("session.openSection(%1, session.dao.retrieveFolderIdByType(%1) || 0)")
                         .arg(section.first));
            // Every section of the demo portal has entries: the picture waits for them.
            const QString page = QStringLiteral("session.contentStack.currentItem");
            if (!waitUntil(QStringLiteral("%1.objectName === 'sectionPage_%2' && %1.entities.count > 0 && !%1.entities.busy")
                               .arg(page)
                               .arg(section.first))
                || !shoot(section.second))
                return false;
        }

        // From the sections again, so that a narrow window's stack holds just My documents.
        evaluate("session.showSections()");
        settle();
        evaluate("session.openSection(16, session.dao.retrieveFolderIdByType(16))");
        settle();
        const QString entities = QStringLiteral("session.contentStack.currentItem.entities");
        evaluate(entities + ".list.currentIndex = 0");
        evaluate(entities + ".open(" + entities + ".list.currentItem.entity)");
        if (!shoot("folder"))
            return false;
        evaluate("session.back()");
        settle();
        evaluate(entities + ".list.currentIndex = 2");
        evaluate(entities + ".list.currentItem.menuRequested(120, 20)");
        if (!shoot("context-menu"))
            return false;
        evaluate(entities + ".run('rename', " + entities + ".list.currentItem.entity)");
        if (!shoot("rename"))
            return false;
        closePopups();
        evaluate(entities + ".selectionMode = true");
        evaluate(entities + ".selection.selectAll()");
        if (!shoot("selection"))
            return false;
        evaluate(entities + ".selectionMode = false");
        evaluate(entities + ".selection.deselectAll()");

        // A document saved into the device's container: the transfers panel, then the local files page.
        evaluate(entities + ".run('pdf', { id: 1001, name: 'Welcome.docx', isFile: true })");
        evaluate("session.transfers.open()");
        if (!shoot("transfers"))
            return false;
        evaluate("session.transfers.close()");
        evaluate("session.openOnRoot('LocalFilesPage.qml')");
        if (!waitUntil("session.rootStack.currentItem.files.rowCount() > 0") || !shoot("local-files"))
            return false;
        evaluate("session.back()");
        evaluate("session.openOnRoot('ImageViewerPage.qml', { imageId: 1006, imageName: 'Logo.png' })");
        if (!waitUntil("session.rootStack.currentItem.imagePath !== ''") || !shoot("image-viewer"))
            return false;
        evaluate("session.back()");
        evaluate("session.openDocument(1001, 'Welcome.docx')");
        if (!waitUntil("session.rootStack.currentItem.view.loadProgress === 100") || !shoot("editor"))
            return false;
        evaluate("session.back()");

        evaluate("session.openOnContent('CreationPage.qml', { parentId: session.dao.retrieveFolderIdByType(16) })");
        if (!shoot("creation"))
            return false;
        evaluate("session.back()");
        evaluate("session.openOnContent('SearchPage.qml', { searchFolder: 0 })");
        setText("searchField", QStringLiteral("an"));
        QTest::qWait(600);
        if (!shoot("search"))
            return false;
        evaluate("session.back()");

        evaluate("session.openOnRoot('AccessSettingsPage.qml', { entityId: 1001, entityName: 'Welcome.docx' })");
        if (!shoot("access-settings"))
            return false;
        evaluate("session.back()");

        evaluate("session.openOnRoot('AccountPage.qml')");
        if (!shoot("account"))
            return false;
        evaluate("session.themeToggleRequested()");
        if (!shoot("account-dark"))
            return false;
        evaluate("session.back()");
        return shoot("my-documents-dark");
    }

private:
    bool fail(const QString &what)
    {
        qCritical("%s: %s", qPrintable(m_window.name), qPrintable(what));
        return false;
    }

    QObject *find(const char *objectName) const
    {
        return m_view->rootObject()->findChild<QObject *>(QLatin1String(objectName));
    }

    // A list's delegates are not its QObject children, so a list is awaited by its row count.
    bool waitFor(const char *objectName, int rows = 0)
    {
        QElapsedTimer timer;
        timer.start();
        for (QObject *item = find(objectName); !item || item->property("count").toInt() < rows;
             item = find(objectName)) {
            if (timer.elapsed() > 20000)
                return fail(QStringLiteral("%1 never appeared").arg(QLatin1String(objectName)));
            QTest::qWait(50);
        }
        return true;
    }

    // The menus and dialogs a picture left open would cover the next ones.
    void closePopups()
    {
        for (QObject *object : m_view->rootObject()->findChildren<QObject *>()) {
            if (object->inherits("QQuickPopup") && object->property("opened").toBool())
                QMetaObject::invokeMethod(object, "close");
        }
    }

    // Waits until a script over the application's root is true.
    bool waitUntil(const char *script) { return waitUntil(QString::fromLatin1(script)); }
    bool waitUntil(const QString &script)
    {
        QElapsedTimer timer;
        timer.start();
        while (!QQmlExpression(m_view->rootContext(), m_view->rootObject(), script)
                    .evaluate()
                    .toBool()) {
            if (timer.elapsed() > 60000)
                return fail(QStringLiteral("never true: %1").arg(script));
            QTest::qWait(50);
        }
        return true;
    }

    void evaluate(const QString &script)
    {
        QQmlExpression expression(m_view->rootContext(), m_view->rootObject(), script);
        expression.evaluate();
        if (expression.hasError())
            qWarning("%s: %s", qPrintable(script), qPrintable(expression.error().toString()));
    }
    void evaluate(const char *script) { evaluate(QString::fromLatin1(script)); }

    void setText(const char *objectName, const QString &text)
    {
        if (QObject *field = find(objectName))
            field->setProperty("text", text);
    }

    void settle() { QTest::qWait(m_settleMs); }

    bool shoot(const QString &name)
    {
        settle();
        const QImage image = m_view->grabWindow();
        const QString file = QStringLiteral("%1/%2-%3-%4.png")
                                 .arg(m_directory, m_window.name)
                                 .arg(++m_count, 2, 10, QLatin1Char('0'))
                                 .arg(name);
        if (image.isNull() || !image.save(file))
            return fail(QStringLiteral("could not save %1").arg(file));
        qInfo("%s", qPrintable(file));
        return true;
    }

    const SimulatorProcess &m_simulator;
    QString m_directory;
    WindowSize m_window;
    int m_settleMs;
    int m_count = 0;
    TranslationLoader m_translations;
    std::unique_ptr<QQuickView> m_view;
};

} // namespace

int main(int argc, char *argv[])
{
    TestEnvironment::setUp();
    WebEngineSetup::initialize();
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("out"), QStringLiteral("Directory for the pictures."), QStringLiteral("dir")});
    parser.addOption({QStringLiteral("size"), QStringLiteral("A window size and language, repeatable."),
                      QStringLiteral("name:WxH[:locale]")});
    parser.addOption({QStringLiteral("settle"), QStringLiteral("Wait before each picture."), QStringLiteral("ms"),
                      QStringLiteral("1200")});
    parser.addHelpOption();
    parser.process(app);

    QList<WindowSize> sizes;
    const QStringList sizeOptions = parser.isSet(QStringLiteral("size"))
                                        ? parser.values(QStringLiteral("size"))
                                        : QStringList{QStringLiteral("phone:540x960"), QStringLiteral("desktop:1280x800")};
    for (const QString &option : sizeOptions) {
        const QStringList parts = option.split(QRegularExpression(QStringLiteral("[:x]")));
        if (parts.size() < 3 || parts.size() > 4 || parts.at(1).toInt() <= 0 || parts.at(2).toInt() <= 0) {
            qCritical("Not a window size: %s", qPrintable(option));
            return 2;
        }
        sizes.append({parts.at(0), QSize(parts.at(1).toInt(), parts.at(2).toInt()), parts.value(3)});
    }
    const QString directory = parser.value(QStringLiteral("out"));
    if (directory.isEmpty() || !QDir().mkpath(directory)) {
        qCritical("An output directory is needed (--out)");
        return 2;
    }

    CoreInit::registerTypes();
    WebEngineSetup::applyUserPreferences(QQuickWebEngineProfile::defaultProfile());
    PrivateSessionBus bus;
    SecureStorageServiceProcess secureStorage;
    SimulatorProcess simulator;
    if (!bus.start() || !secureStorage.startBus() || !secureStorage.start() || !simulator.start()) {
        qCritical("The session bus, the secure-storage service or the portal simulator did not start");
        return 1;
    }
    for (const WindowSize &size : sizes) {
        Tour tour(simulator, directory, size, parser.value(QStringLiteral("settle")).toInt());
        if (!tour.run())
            return 1;
    }
    return 0;
}
