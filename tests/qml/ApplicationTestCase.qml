import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// A test case over the application loaded from its main file, with helpers
// that find controls by name and wait for them like a user would.
TestCase {
    id: test
    property Loader loader
    when: windowShown

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
    // A modal popup takes the next press until its closing animation ends.
    function waitClosed(popup) {
        tryCompare(popup, "visible", false, 20000)
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
    function start() {
        loader.source = ""
        loader.source = qmlRoot + "VellixOfficeAurora.qml"
        verify(loader.item !== null)
    }
    function signIn(password) {
        waitFor("signInPage")
        type("portalAddressField", testSetup.portalUrl)
        type("loginField", testSetup.demoLogin)
        type("passwordField", password)
        click("signInButton")
    }
    function listOf(page) {
        return findChild(page, "entityList")
    }
    // A row below the fold takes no clicks: its list scrolls it into view.
    function reveal(delegate) {
        var list = delegate.parent.parent
        list.positionViewAtIndex(list.indexAt(delegate.x + 1, delegate.y + 1), ListView.Contain)
    }
    function menuOn(entityName, action) {
        var delegate = waitFor("entity_" + entityName)
        settled()
        reveal(delegate)
        mouseClick(delegate, delegate.width / 2, delegate.height / 2, Qt.RightButton)
        // A click during the menu's opening animation can miss its item.
        tryCompare(waitFor("menu_" + action).menu, "opened", true, 20000)
        click("menu_" + action)
    }
}
