import QtQuick 2.12
import QtQuick.Controls 2.12
import com.vellix.VellixOfficeAurora 1.0

// What every page shares: the one settings and cache objects, the root page
// controller (sections and folder paths), the device's encrypted container,
// the transfers panel, the icon theme and the navigation.
QtObject {
    id: session

    property Settings settings
    property DataAccessObject dao
    property var portal
    // Picture theme of EntitiesProvider: 0 dark on light, 1 light on dark.
    property int iconTheme: 0
    // Sections beside the content on a wide window, stacked on a narrow one.
    property bool wide: false
    property StackView rootStack
    property StackView contentStack
    // Grows whenever cached user records change, so owner names re-read.
    property int usersRevision: 0
    // The panel of running and ended transfers, opened from every page's bar.
    property var transfers
    // The device's one encrypted container and the controller that opens it;
    // opened on first need, as opening it may take a while.
    readonly property SStore secureStorage: SStore {}
    // Holds the container's controller once made; a plain object, as pages
    // open the container from their bindings, which must not depend on it.
    readonly property var opened: ({ container: null })
    property string containerState
    property bool containerFailed: false

    signal themeToggleRequested()

    function openContainer() {
        if (opened.container === null)
            opened.container = containerComponent.createObject(session, { dao: dao, sstorage: secureStorage })
        return opened.container
    }
    property Component containerComponent: Component {
        LocalPageController {
            onStorageOpen: { session.containerState = ""; session.containerFailed = false }
            onNewStorageCreated: {
                session.containerState = qsTr("A new container was created on this device.")
                session.containerFailed = false
            }
            onErrorOpenStorage: { session.containerState = errorMessage; session.containerFailed = true }
        }
    }

    function page(name) {
        return Qt.resolvedUrl("../pages/" + name)
    }

    function openSection(type, folderId) {
        var name = EntitiesProvider.qmlPageName(type)
        if (name === "")
            return null
        var properties = { session: session, folderId: folderId }
        if (wide || contentStack.depth === 0)
            return contentStack.replace(null, page(name), properties)
        return contentStack.push(page(name), properties)
    }

    // The section page at the top of the content stack opens a sub-folder.
    function openFolder(pageUrl, folderId, title) {
        // The stack takes a page's address as text only.
        return contentStack.push(pageUrl.toString(), { session: session, folderId: folderId, title: title })
    }

    function showSections() {
        contentStack.replace(null, page("RootPage.qml"), { session: session })
    }

    function openOnRoot(name, properties) {
        var all = properties || {}
        all.session = session
        return rootStack.push(page(name), all)
    }

    function openOnContent(name, properties) {
        var all = properties || {}
        all.session = session
        return contentStack.push(page(name), all)
    }

    function openDocument(documentId, documentName) {
        return openOnRoot("DocumentEditorPage.qml", { documentId: documentId, documentName: documentName })
    }

    // A file on this device: an image in the viewer, anything else in the
    // desktop's application for it.
    function openLocalFile(path, name) {
        if (ExtensionChecker.isImage(name))
            openOnRoot("ImageViewerPage.qml", { imagePath: path, imageName: name })
        else
            Qt.openUrlExternally("file://" + path)
    }

    function openPortal() {
        rootStack.replace(null, page("PortalPage.qml"), { session: session })
    }

    function signIn() {
        rootStack.replace(null, page("SignInPage.qml"), { session: session })
    }

    function back() {
        if (rootStack.depth > 1)
            rootStack.pop()
        else if (contentStack && contentStack.depth > 1)
            contentStack.pop()
    }

    property Connections usersWatch: Connections {
        target: session.dao
        function onUsersChanged() { session.usersRevision++ }
    }
}
