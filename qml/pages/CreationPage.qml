import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// A new document, spreadsheet, presentation or folder in the open folder,
// or a local file uploaded into it.
FormPage {
    id: page
    property int parentId: -1
    property int kind: CreationPageController.Document
    property string status

    // The folder's page lists what was made only after reading the portal again.
    signal created()

    objectName: "creationPage"
    title: qsTr("Create")

    CreationPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onCreateDocumentSuccess: {
            page.status = qsTr("“%1” is ready").arg(documentName)
            page.created()
            page.StackView.view.pop()
        }
    }

    function create() {
        var name = nameField.text.trim()
        if (name === "")
            return
        if (page.kind === CreationPageController.Folder)
            controller.createFolder(name, page.parentId, false)
        else
            controller.createDocument(name + controller.getExtension(page.kind), page.parentId)
    }

    Label {
        Layout.fillWidth: true
        text: qsTr("What to create")
        opacity: 0.7
    }
    Repeater {
        model: [
            { kind: CreationPageController.Document, text: qsTr("Document"), file: "x.docx" },
            { kind: CreationPageController.Spreadsheet, text: qsTr("Spreadsheet"), file: "x.xlsx" },
            { kind: CreationPageController.Presentation, text: qsTr("Presentation"), file: "x.pptx" },
            { kind: CreationPageController.Folder, text: qsTr("Folder"), file: "" }
        ]
        RadioDelegate {
            objectName: "kind_" + modelData.kind
            Layout.fillWidth: true
            text: modelData.text
            checked: page.kind === modelData.kind
            icon.source: modelData.file !== "" ? EntitiesProvider.getFileIcon(modelData.file, page.session.iconTheme)
                                               : EntitiesProvider.directoryIcon(RootDirectory.Default, page.session.iconTheme)
            icon.color: "transparent"
            Accessible.name: text
            onClicked: page.kind = modelData.kind
        }
    }
    RowLayout {
        Layout.fillWidth: true
        TextField {
            id: nameField
            objectName: "nameField"
            Layout.fillWidth: true
            placeholderText: qsTr("Name")
            selectByMouse: true
            Accessible.name: placeholderText
            onAccepted: page.create()
        }
        Label {
            text: controller.getExtension(page.kind)
            opacity: 0.7
        }
    }
    StatusText {
        objectName: "creationError"
        text: controller.connectionFailed ? controller.errorMessage : ""
    }
    Button {
        objectName: "createButton"
        Layout.fillWidth: true
        highlighted: true
        text: qsTr("Create")
        Accessible.name: text
        enabled: nameField.text.trim() !== "" && !controller.connectionInProgress
        onClicked: page.create()
    }
    MenuSeparator { Layout.fillWidth: true }
    Button {
        objectName: "uploadButton"
        Layout.fillWidth: true
        icon.source: "../icons/actions/upload.svg"
        text: qsTr("Upload a file from this device")
        Accessible.name: text
        onClicked: {
            var picker = page.session.openOnRoot("LocalFilePickerPage.qml", { pickFolder: false })
            picker.chosen.connect(function(path) {
                page.status = qsTr("Uploading %1…").arg(path)
                controller.uploadDocument(path, page.parentId)
            })
        }
    }
    StatusText {
        objectName: "creationStatus"
        isError: false
        text: page.status
    }
    BusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        running: controller.connectionInProgress
        visible: running
    }
}
