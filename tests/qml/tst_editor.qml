import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// A document of the portal in the editor page: the generated page starts the
// document server's editor in the web view.
Item {
    width: 400
    height: 760

    Loader {
        id: loader
        anchors.fill: parent
    }

    ApplicationTestCase {
        name: "Editor"
        loader: loader

        function test_documentOpensInTheEditor() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn(testSetup.demoPassword)
            click("section_16", waitFor("rootPage"))
            var entities = waitFor("sectionPage_16").entities
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
            loader.item.session.back()
            waitGone("documentEditorPage")
        }
    }
}
