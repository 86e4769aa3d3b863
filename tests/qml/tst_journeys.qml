import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// Signing in, browsing, the file and folder actions, a dead portal and
// signing out, on a phone-sized window.
Item {
    id: root
    width: 400
    height: 760

    Loader {
        id: loader
        anchors.fill: parent
    }

    ApplicationTestCase {
        name: "Journeys"
        loader: loader

        function signedIn() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn(testSetup.demoPassword)
            waitFor("portalPage")
        }
        function openSection(type) {
            click("section_" + type, waitFor("rootPage"))
            return waitFor("sectionPage_" + type)
        }
        function backToSections() {
            settled()
            loader.item.session.back()
            settled()
        }

        function test_signInBrowseActAndSignOut() {
            signedIn()
            tryCompare(waitFor("sectionsList", waitFor("rootPage")), "count", 6, 20000)

            var myDocuments = openSection(16)
            waitFor("entity_Welcome.docx", myDocuments)

            click("newEntryButton", myDocuments)
            waitFor("creationPage")
            click("kind_0")
            type("nameField", "Journey folder")
            click("createButton")
            waitFor("entity_Journey folder")

            menuOn("Journey folder", "rename")
            var dialog = waitFor("renameDialog")
            tryCompare(dialog, "opened", true, 20000)
            find("nameField", dialog).text = "Renamed folder"
            var ok = dialog.standardButton(Dialog.Ok)
            tryCompare(ok, "enabled", true, 20000)
            mouseClick(ok)
            waitClosed(dialog)
            waitFor("entity_Renamed folder")
            waitGone("entity_Journey folder")

            menuOn("Notes.txt", "move")
            var chooser = waitFor("selectFolderDialog")
            tryCompare(chooser, "opened", true, 20000)
            click("folder_Renamed folder", chooser)
            tryVerify(function() { return find("folder_Renamed folder", chooser) === null }, 20000)
            click("chooseFolderButton", chooser)
            waitClosed(chooser)
            waitGone("entity_Notes.txt")
            var folder = myDocuments.entities
            tryVerify(function() { return !folder.busy }, 20000)

            menuOn("Renamed folder", "trash")
            waitGone("entity_Renamed folder")

            backToSections()
            var trash = openSection(134217728)
            waitFor("entity_Renamed folder", trash)
            menuOn("Renamed folder", "restore")
            waitGone("entity_Renamed folder")

            backToSections()
            myDocuments = openSection(16)
            click("entity_Renamed folder", myDocuments)
            tryCompare(loader.item.session.contentStack.currentItem, "title", "Renamed folder", 20000)
            waitFor("entity_Notes.txt", loader.item.session.contentStack.currentItem)
            backToSections()

            backToSections()
            click("accountButton", waitFor("rootPage"))
            waitFor("accountPage")
            compare(find("accountVersion").text, appVersion)
            click("signOutButton")
            waitFor("signInPage")
        }

        function test_deadPortalShowsTheBannerAndKeepsTheCachedRows() {
            signedIn()
            var page = openSection(16)
            waitFor("entity_Welcome.docx", page)
            var rows = listOf(page).count

            testSetup.setFault("/api/v1/DocumentDirectory/Get", { mode: "status", status: 503, body: { error: "The portal is down" } })
            click("refreshButton", page)
            var banner = waitFor("errorBanner", page)
            verify(find("errorText", banner).text !== "")
            compare(listOf(page).count, rows)
            waitFor("entity_Welcome.docx", page)

            testSetup.clearFaults()
            click("retryButton", banner)
            tryCompare(banner, "visible", false, 20000)
        }
    }
}
