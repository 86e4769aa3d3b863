import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// A test case that drives the application from its main file in the given
// loader, with the waits and clicks the journeys share.
TestCase {
    property Loader loader
    when: windowShown

    function init() {
        testSetup.clearFaults()
        testSetup.clearWarnings()
    }
    function cleanup() {
        compare(testSetup.engineWarnings, "", "the QML engine warned")
    }
    function find(name, scope) {
        var within = scope || loader.item
        return within ? findChild(within, name) : null
    }
    function waitFor(name, scope) {
        tryVerify(function() { var item = find(name, scope); return item !== null && item.visible }, 20000,
                  name + " never showed")
        return find(name, scope)
    }
    function waitGone(name, scope) {
        tryVerify(function() { return find(name, scope) === null }, 20000, name + " stayed")
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
    function start() {
        loader.source = ""
        loader.source = qmlRoot + "VellixOfficeAurora.qml"
        verify(loader.item !== null)
    }
    function signedIn() {
        testSetup.forgetSettings()
        start()
        click("skipButton")
        waitFor("signInPage")
        waitFor("portalAddressField").text = testSetup.portalUrl
        waitFor("loginField").text = testSetup.demoLogin
        waitFor("passwordField").text = testSetup.demoPassword
        click("signInButton")
        waitFor("portalPage")
        return loader.item.session
    }
}
