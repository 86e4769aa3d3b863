import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// The application from its main file, against the simulator: signing in,
// browsing, the file and folder actions, failures and signing out.
Item {
    id: root
    width: 400
    height: 760

    Loader {
        id: loader
        anchors.fill: parent
    }

    TestCase {
        id: test
        name: "Journeys"
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

        function test_1_failedSignInShowsThePortalsText() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn("not the password")
            tryCompare(waitFor("signInError"), "text", "Incorrect login or password", 20000)
            verify(find("portalPage") === null)
        }

        function test_2_signInBrowseActAndSignOut() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn(testSetup.demoPassword)
            waitFor("portalPage")
            tryCompare(waitFor("sectionsList"), "count", 6, 20000)

            click("section_16")
            var myDocuments = waitFor("sectionPage_16")
            waitFor("entity_Welcome.docx")

            click("newEntryButton")
            waitFor("creationPage")
            click("kind_0")
            type("nameField", "Journey folder")
            click("createButton")
            waitFor("entity_Journey folder")

            menuOn("Journey folder", "rename")
            var dialog = waitFor("renameDialog")
            findChild(dialog, "nameField").text = "Renamed folder"
            var ok = dialog.standardButton(Dialog.Ok)
            tryCompare(ok, "enabled", true, 20000)
            mouseClick(ok)
            waitFor("entity_Renamed folder")
            waitGone("entity_Journey folder")

            menuOn("Notes.txt", "move")
            waitFor("selectFolderDialog")
            click("folder_Renamed folder")
            tryVerify(function() { return find("folder_Renamed folder") === null })
            click("chooseFolderButton")
            waitGone("entity_Notes.txt")

            menuOn("Renamed folder", "trash")
            waitGone("entity_Renamed folder")

            settled()
            myDocuments.StackView.view.pop()
            click("section_134217728")
            waitFor("sectionPage_134217728")
            menuOn("Renamed folder", "restore")
            waitGone("entity_Renamed folder")

            settled()
            loader.item.session.back()
            click("section_16")
            waitFor("entity_Renamed folder")

            settled()
            loader.item.session.back()
            click("accountButton", waitFor("rootPage"))
            waitFor("accountPage")
            compare(find("accountVersion").text, appVersion)
            click("signOutButton")
            waitFor("signInPage")
        }

        function test_3_deadPortalShowsTheBannerAndKeepsTheCachedRows() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn(testSetup.demoPassword)
            click("section_16")
            waitFor("entity_Welcome.docx")
            var page = waitFor("sectionPage_16")
            var rows = listOf(page).count

            testSetup.setFault("/api/v1/DocumentDirectory/Get", { mode: "status", status: 503, body: { error: "The portal is down" } })
            click("refreshButton", page)
            var banner = waitFor("errorBanner", page)
            verify(findChild(banner, "errorText").text !== "")
            compare(listOf(page).count, rows)
            waitFor("entity_Welcome.docx", page)

            testSetup.clearFaults()
            click("retryButton", banner)
            tryCompare(banner, "visible", false, 20000)
        }
    }
}
