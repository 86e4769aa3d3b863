import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// A portal document saved into the device's encrypted container, then its
// way through the local files page: to the local trash, back, and deleted.
Item {
    id: root
    width: 400
    height: 760

    Loader {
        id: loader
        anchors.fill: parent
    }

    ApplicationTestCase {
        name: "LocalPages"
        loader: loader

        function menuAction(row, action) {
            click("localFileMenuButton", row)
            tryCompare(find("localFileMenu"), "opened", true, 20000)
            click("localMenu_" + action)
        }
        function fileMenu(page, fileName, action) {
            menuAction(waitFor("localFile_" + fileName, page), action)
        }

        function test_downloadToTrashRestoreAndDelete() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn(testSetup.demoPassword)
            click("section_16", waitFor("rootPage"))
            waitFor("sectionPage_16")
            menuOn("Welcome.docx", "pdf")

            // The transfers panel follows the download and offers its file.
            click("transfersButton", waitFor("sectionPage_16"))
            var panel = waitFor("transfersPanel")
            tryCompare(panel, "opened", true, 20000)
            waitFor("openTransferButton", panel)
            panel.close()
            tryCompare(panel, "visible", false, 20000)

            var session = loader.item.session
            session.showSections()
            click("localFilesSection", waitFor("rootPage"))
            var page = waitFor("localFilesPage")
            waitFor("localFile_Welcome.pdf", page)

            fileMenu(page, "Welcome.pdf", "trash")
            waitGone("localFile_Welcome.pdf")
            click("trashTab", page)
            tryCompare(findChild(page, "localFileList"), "count", 1, 20000)
            var trashed = findChild(page, "localFileList").itemAtIndex(0)
            menuAction(trashed, "restore")
            tryCompare(findChild(page, "localFileList"), "count", 0, 20000)

            click("documentsTab", page)
            fileMenu(page, "Welcome.pdf", "delete")
            var confirm = waitFor("confirmDialog", page)
            tryCompare(confirm, "opened", true, 20000)
            mouseClick(confirm.standardButton(Dialog.Ok))
            waitClosed(confirm)
            waitGone("localFile_Welcome.pdf")
            session.back()
        }
    }
}
