import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// The page over the device: the encrypted container's documents and local trash.
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

        function test_documentToTrashRestoreAndDelete() {
            testSetup.forgetSettings()
            start()
            var session = loader.item.session
            session.openOnRoot("LocalFilesPage.qml")
            var page = waitFor("localFilesPage")
            tryVerify(function() { return page.folderPath() !== "" }, 20000, "the container never opened")
            verify(testSetup.writeFile(page.folderPath() + "/Report.docx", "kept on the device"))
            waitFor("localFile_Report.docx", page)

            fileMenu(page, "Report.docx", "trash")
            waitGone("localFile_Report.docx")
            click("trashTab", page)
            tryCompare(findChild(page, "localFileList"), "count", 1, 20000)
            var trashed = findChild(page, "localFileList").itemAtIndex(0)
            menuAction(trashed, "restore")
            tryCompare(findChild(page, "localFileList"), "count", 0, 20000)

            click("documentsTab", page)
            fileMenu(page, "Report.docx", "delete")
            var confirm = waitFor("confirmDialog", page)
            tryCompare(confirm, "opened", true, 20000)
            mouseClick(confirm.standardButton(Dialog.Ok))
            waitGone("localFile_Report.docx")
            session.back()
        }
    }
}
