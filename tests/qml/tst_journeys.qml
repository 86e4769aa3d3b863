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
