import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// A test case over the application loaded from its main file in a phone-sized
// window, with helpers that find controls by name and wait for them like a user would.
TestCase {
    id: test
    // A test case is hidden by default, and with it the application it holds.
    visible: true
    width: 400
    height: 760
    when: windowShown
    readonly property Loader loader: appLoader

    Loader {
        id: appLoader
        anchors.fill: parent
    }

    function init() {
        testSetup.clearFaults()
        testSetup.clearWarnings()
    }
    function cleanup() {
        compare(testSetup.engineWarnings, "", "the QML engine warned")
    }

    // Names repeat: in hidden panes, on pages further down the stacks and in
    // list delegates. A shown item of that name wins over a hidden one; a
    // scope narrows the search. Open popups live in the window's overlay;
    // closed ones are found among the object children.
    function shownChild(parent, name) {
        var children = parent.children !== undefined ? parent.children
                                                      : parent.contentItem ? [parent.contentItem] : []
        for (var i = 0; i < children.length; ++i) {
            var child = children[i]
            if (!child.visible)
                continue
            if (child.objectName === name)
                return child
            var found = shownChild(child, name)
            if (found)
                return found
        }
        return null
    }
    function find(name, scope) {
        var within = scope || loader.item
        if (!within)
            return null
        return shownChild(within, name) || (scope ? null : shownChild(Overlay.overlay, name)) || findChild(within, name)
    }
    function waitFor(name, scope) {
        tryVerify(function() { var item = find(name, scope); return item !== null && item.visible }, 20000,
            name + " never showed")
        return find(name, scope)
    }
    function waitGone(name) {
        tryVerify(function() { return shownChild(loader.item, name) === null }, 20000, name + " stayed")
    }
    function settled() {
        var session = loader.item.session
        tryVerify(function() {
            return !session.rootStack.busy && (session.contentStack === null || !session.contentStack.busy)
        }, 10000)
    }
    // A popup takes clicks once its opening animation ended; a modal one takes
    // the next press until its closing animation ends.
    function waitOpened(name, scope) {
        var popup = waitFor(name, scope)
        tryCompare(popup, "opened", true, 20000)
        return popup
    }
    function waitClosed(popup) {
        tryCompare(popup, "visible", false, 20000)
    }
    function accept(dialog) {
        var ok = dialog.standardButton(Dialog.Ok)
        tryCompare(ok, "enabled", true, 20000)
        settled()
        mouseClick(ok)
        waitClosed(dialog)
    }
    function click(name, scope) {
        var item = waitFor(name, scope)
        tryVerify(function() { return item.enabled }, 20000, name + " stayed disabled")
        settled()
        mouseClick(item)
        return item
    }
    function type(name, text) {
        waitFor(name).text = text
    }

    // A first start: the introduction, then the sign-in page.
    function firstStart() {
        testSetup.forgetSettings()
        loader.source = ""
        loader.source = qmlRoot + "VellixOfficeAurora.qml"
        verify(loader.item !== null)
        waitFor("introductionPage")
    }
    function signIn(password) {
        waitFor("signInPage")
        type("portalAddressField", testSetup.portalUrl)
        type("loginField", testSetup.demoLogin)
        type("passwordField", password)
        click("signInButton")
    }
    function signedIn() {
        firstStart()
        click("skipButton")
        signIn(testSetup.demoPassword)
        waitFor("portalPage")
        return loader.item.session
    }
    function openSection(type) {
        var sections = waitFor("rootPage")
        // Rows move while the list fills.
        tryCompare(waitFor("sectionsList", sections), "count", 6, 20000)
        click("section_" + type, sections)
        return waitFor("sectionPage_" + type)
    }
    // A list's delegates are not its children: they are reached by row and
    // scrolled into view, as a row below the fold takes no clicks.
    function rowNamed(list, name) {
        var found = null
        tryVerify(function() {
            for (var row = 0; row < list.count && found === null; ++row) {
                if (list.itemAtIndex(row) === null)
                    list.positionViewAtIndex(row, ListView.Contain)
                var item = list.itemAtIndex(row)
                if (item !== null && item.objectName === name) {
                    list.positionViewAtIndex(row, ListView.Contain)
                    found = item
                }
            }
            return found !== null
        }, 20000, name + " never showed")
        settled()
        return found
    }
    // The context menu of a row of the shown folder.
    function menuOn(entityName, action) {
        var delegate = rowNamed(findChild(loader.item.session.contentStack.currentItem, "entityList"),
                                "entity_" + entityName)
        mouseClick(delegate, delegate.width / 2, delegate.height / 2, Qt.RightButton)
        // A click during the menu's opening animation can miss its item.
        tryCompare(waitFor("menu_" + action).menu, "opened", true, 20000)
        click("menu_" + action)
    }
}
