import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import QtWebEngine 1.10
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// A document in the portal's online editor: the local page that starts the
// document server's editor, shown in a web view.
Page {
    id: page
    property var session
    property int documentId
    property string documentName
    property bool pageMissing: false
    readonly property alias view: view

    objectName: "documentEditorPage"
    title: documentName

    header: HeaderBar {
        title: page.title
        canGoBack: page.StackView.index > 0
        onBackRequested: page.StackView.view.pop()
    }

    DocumentEditorPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onLinkReady: {
            page.pageMissing = documentLink.toString() === ""
            // The location is a plain path; the view needs a file URL.
            if (!page.pageMissing)
                view.url = "file://" + documentLink
        }
    }

    WebEngineView {
        id: view
        objectName: "editorView"
        anchors.fill: parent
        visible: !controller.connectionFailed && !page.pageMissing
        // The view shows only the page and the document server; the frames
        // inside the editor are the document server's own.
        onNavigationRequested: {
            if (request.isMainFrame && !controller.testUrl(request.url.toString()))
                request.action = WebEngineNavigationRequest.IgnoreRequest
        }
    }

    BusyIndicator {
        anchors.centerIn: parent
        running: controller.connectionInProgress
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 440)
        visible: controller.connectionFailed || page.pageMissing
        StatusText {
            objectName: "editorFailure"
            horizontalAlignment: Text.AlignHCenter
            text: parent.visible ? qsTr("The document cannot be opened in the editor.") : ""
        }
        Button {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Try again")
            onClicked: controller.prepareEditorPage(page.documentId)
        }
    }

    Component.onCompleted: controller.prepareEditorPage(page.documentId)
}
