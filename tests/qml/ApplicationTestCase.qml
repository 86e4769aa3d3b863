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

    // Names may repeat on pages further down the stacks: a scope picks one.
    function find(name, scope) {
        var within = scope || loader.item
        return within ? findChild(within, name) : null
    }
    function waitFor(name, scope) {
        tryVerify(function() { var item = find(name, scope); return item !== null && item.visible }, 20000,
            name + " never showed")
        return find(name, scope)
    }
    function waitGone(name) {
        tryVerify(function() { return find(name) === null }, 20000, name + " stayed")
    }
    function settled() {
        var session = loader.item.session
        tryVerify(function() {
            return !session.rootStack.busy && (session.contentStack === null || !session.contentStack.busy)
        }, 10000)
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
    function menuOn(entityName, action) {
        var delegate = waitFor("entity_" + entityName)
        settled()
        mouseClick(delegate, delegate.width / 2, delegate.height / 2, Qt.RightButton)
        click("menu_" + action)
    }
}
