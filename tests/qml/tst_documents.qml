import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// Portal documents on the device: saved into the encrypted container and
// through the local files page, opened in the editor and in the image viewer.
ApplicationTestCase {
    name: "Documents"

    function localMenu(row, action) {
        click("localFileMenuButton", row)
        tryCompare(find("localFileMenu"), "opened", true, 20000)
        click("localMenu_" + action)
    }

    function test_downloadToTrashRestoreAndDelete() {
        var session = signedIn()
        openSection(16)
        menuOn("Welcome.docx", "pdf")

        // The transfers panel follows the download and offers its file.
        click("transfersButton", waitFor("sectionPage_16"))
        var panel = waitOpened("transfersPanel")
        waitFor("openTransferButton", panel)
        panel.close()
        waitClosed(panel)

        session.showSections()
        click("localFilesSection", waitFor("rootPage"))
        var page = waitFor("localFilesPage")
        var files = findChild(page, "localFileList")
        localMenu(waitFor("localFile_Welcome.pdf", page), "trash")
        waitGone("localFile_Welcome.pdf")
        click("trashTab", page)
        tryCompare(files, "count", 1, 20000)
        localMenu(files.itemAtIndex(0), "restore")
        tryCompare(files, "count", 0, 20000)

        click("documentsTab", page)
        localMenu(waitFor("localFile_Welcome.pdf", page), "delete")
        accept(waitOpened("confirmDialog", page))
        waitGone("localFile_Welcome.pdf")
        session.back()
    }

    // The generated page starts the document server's editor in the web view.
    function test_documentOpensInTheEditor() {
        var session = signedIn()
        var entities = openSection(16).entities
        waitFor("entity_Welcome.docx")
        settled()
        entities.open({ id: 1001, name: "Welcome.docx", isFile: true })

        var page = waitFor("documentEditorPage")
        var editor = { state: "", title: "" }
        tryVerify(function() {
            page.view.runJavaScript("window.DocsAPI && DocsAPI.editors.length ? "
                                    + "{ state: DocsAPI.editors[0].state, title: DocsAPI.editors[0].title } : null",
                                    function(result) { if (result) editor = result })
            return editor.state === "ready"
        }, 60000, "the editor never started")
        compare(editor.title, "Welcome.docx")
        verify(!find("editorFailure", page).visible)
        session.back()
        waitGone("documentEditorPage")
    }

    // Fitted to the page, zoomed and fitted again.
    function test_imageFitsThePage() {
        signedIn().openOnRoot("ImageViewerPage.qml", { imageId: 1006, imageName: "Logo.png" })
        var page = waitFor("imageViewerPage")
        var image = findChild(page, "image")
        tryCompare(image, "status", Image.Ready, 20000)
        verify(image.paintedWidth <= page.width && image.paintedHeight <= page.height)
        var flick = findChild(page, "imageFlick")
        var fitted = flick.contentWidth
        page.zoomBy(2)
        compare(flick.contentWidth, fitted * 2)
        click("zoomResetButton", page)
        compare(flick.contentWidth, fitted)
    }
}
