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

        const QString entities = QStringLiteral("session.contentStack.currentItem.entities.");
        const QString row = entities + QStringLiteral("list.currentItem");
        const QString section = QStringLiteral("session.openSection(%1, session.dao.retrieveFolderIdByType(%1) || 0)");
        bool pictured = waitFor("introductionPage") && shoot("introduction") && evaluate("session.signIn()")
                        && waitFor("signInPage") && setText("portalAddressField", m_simulator.baseUrl())
                        && setText("loginField", SimulatorProcess::s_demoLogin)
                        && setText("passwordField", SimulatorProcess::s_demoPassword) && shoot("sign-in");
        for (const QString page : {"Registration", "PasswordRecovery", "Support"})
            pictured = pictured && visit(QStringLiteral("session.openOnRoot('%1Page.qml')").arg(page), page.toLower());
        pictured = pictured && QMetaObject::invokeMethod(find("signInPage"), "signIn") && waitFor("portalPage")
                   && waitFor("sectionsList", 6) && shoot("sections");
        const QList<QPair<int, QString>> sections{{16, "my-documents"},   {256, "available-for-me"},
                                                  {8, "shared-access"},   {4, "common"},
                                                  {512, "favorites"},     {2048, "last-documents"},
                                                  {134217728, "trash"}};
        // Every section of the demo portal has entries: the picture waits for them.
        const QString filled = QStringLiteral("%1.objectName === 'sectionPage_%2' && %1.entities.count > 0 "
                                              "&& !%1.entities.busy")
                                   .arg(QStringLiteral("session.contentStack.currentItem"));
        for (const auto &type : sections)
            pictured = pictured && evaluate(section.arg(type.first)) && waitUntil(filled.arg(type.first))
                       && shoot(type.second);

        // From the sections again, so that a narrow window's stack holds just My documents.
        return pictured && evaluate("session.showSections()") && wait(m_settleMs) && evaluate(section.arg(16))
               && wait(m_settleMs) && evaluate(entities + "list.currentIndex = 0")
               && visit(entities + "open(" + row + ".entity)", "folder") && wait(m_settleMs)
               && evaluate(entities + "list.currentIndex = 2") && evaluate(row + ".menuRequested(120, 20)")
               && shoot("context-menu") && closePopups() && evaluate(entities + "run('rename', " + row + ".entity)")
               && shoot("rename")
               && closePopups() && evaluate(entities + "selectionMode = true")
               && evaluate(entities + "selection.selectAll()") && shoot("selection")
               && evaluate(entities + "selectionMode = false") && evaluate(entities + "selection.deselectAll()")
               // A document saved into the device's container: the transfers panel, then the local files page.
               && evaluate(entities + "run('pdf', { id: 1001, name: 'Welcome.docx', isFile: true })")
               && evaluate("session.transfers.open()") && shoot("transfers") && evaluate("session.transfers.close()")
               && visit("session.openOnRoot('LocalFilesPage.qml')", "local-files",
                        "session.rootStack.currentItem.files.rowCount() > 0")
               && visit("session.openOnRoot('ImageViewerPage.qml', { imageId: 1006, imageName: 'Logo.png' })",
                        "image-viewer", "session.rootStack.currentItem.imagePath !== ''")
               && visit("session.openDocument(1001, 'Welcome.docx')", "editor",
                        "session.rootStack.currentItem.view.loadProgress === 100")
               && visit("session.openOnContent('CreationPage.qml', { parentId: session.dao.retrieveFolderIdByType(16) })",
                        "creation")
               && evaluate("session.openOnContent('SearchPage.qml', { searchFolder: 0 })")
               && setText("searchField", QStringLiteral("an")) && wait(600) && shoot("search")
               && evaluate("session.back()")
               && visit("session.openOnRoot('AccessSettingsPage.qml', { entityId: 1001, entityName: 'Welcome.docx' })",
                        "access-settings")
               && evaluate("session.openOnRoot('AccountPage.qml')") && shoot("account")
               && evaluate("session.themeToggleRequested()") && shoot("account-dark") && evaluate("session.back()")
               && shoot("my-documents-dark");
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
        return QTest::qWaitFor([&] {
                   const QObject *item = find(objectName);
                   return item && item->property("count").toInt() >= rows;
               }, 20000)
               || fail(QStringLiteral("%1 never appeared").arg(QLatin1String(objectName)));
    }

    // The menus and dialogs a picture left open would cover the next ones. They
    // show in the window's overlay, by items that belong to the popups.
    bool closePopups()
    {
        for (const QQuickItem *layer : m_view->contentItem()->childItems()) {
            for (const QQuickItem *item : layer->childItems()) {
                QObject *popup = item->parent();
                if (popup && popup->inherits("QQuickPopup") && popup->property("visible").toBool())
                    QMetaObject::invokeMethod(popup, "close");
            }
        }
        return true;
    }

    // Waits until a script over the application's root is true.
    bool waitUntil(const QString &script)
    {
        return QTest::qWaitFor([&] {
                   return QQmlExpression(m_view->rootContext(), m_view->rootObject(), script).evaluate().toBool();
               }, 60000)
               || fail(QStringLiteral("never true: %1").arg(script));
    }

    bool evaluate(const QString &script)
    {
        QQmlExpression expression(m_view->rootContext(), m_view->rootObject(), script);
        expression.evaluate();
        return !expression.hasError() || fail(script + QStringLiteral(": ") + expression.error().toString());
    }

    // A page opened by a script, pictured once it shows what it should, and left again.
    bool visit(const QString &open, const QString &name, const QString &until = QStringLiteral("true"))
    {
        return evaluate(open) && waitUntil(until) && shoot(name) && evaluate("session.back()");
    }

    bool setText(const char *objectName, const QString &text)
    {
        QObject *field = find(objectName);
        return (field && field->setProperty("text", text)) || fail(QStringLiteral("no field %1").arg(QLatin1String(objectName)));
    }

    static bool wait(int ms)
    {
        QTest::qWait(ms);
        return true;
    }

    bool shoot(const QString &name)
    {
        wait(m_settleMs);
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
