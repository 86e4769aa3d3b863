import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// The new name of a file or folder: the controller's pattern validates it and
// the names of the parent folder rule out a duplicate. A file keeps its
// extension, which is shown beside the field.
Dialog {
    id: dialog

    property Settings settings
    property DataAccessObject dao
    property int entityId: -1
    property bool isFile: false
    property string oldName
    readonly property string extension: controller.getExtension(oldName, isFile)
    readonly property bool duplicate: namesRevision >= 0 && nameField.text !== controller.getPureName(oldName, isFile)
                                      && controller.nameExists(nameField.text)
    property int namesRevision: 0

    signal renameRequested(int entityId, bool isFile, string oldName, string newName)

    objectName: "renameDialog"
    title: isFile ? qsTr("Rename file") : qsTr("Rename folder")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(440, parent ? parent.width - 32 : 440)
    standardButtons: Dialog.Ok | Dialog.Cancel

    RenameController {
        id: controller
        settings: dialog.settings
        dao: dialog.dao
        onNamesUpdated: dialog.namesRevision++
    }

    function openFor(id, name, file) {
        entityId = id
        oldName = name
        isFile = file
        nameField.text = controller.getPureName(name, file)
        controller.updateEntityInfo(id, file)
        open()
        nameField.forceActiveFocus()
        nameField.selectAll()
    }

    onOpened: standardButton(Dialog.Ok).enabled = Qt.binding(function() {
        return nameField.acceptableInput && !dialog.duplicate && nameField.text !== controller.getPureName(dialog.oldName, dialog.isFile)
    })
    onAccepted: renameRequested(entityId, isFile, oldName, nameField.text + extension)

    ColumnLayout {
        width: parent.width
        RowLayout {
            Layout.fillWidth: true
            TextField {
                id: nameField
                objectName: "nameField"
                Layout.fillWidth: true
                placeholderText: qsTr("Name")
                validator: RegExpValidator { regExp: controller.checkNewName() }
                selectByMouse: true
                Accessible.name: qsTr("New name")
                onAccepted: if (dialog.standardButton(Dialog.Ok).enabled) dialog.accept()
            }
            Label {
                visible: dialog.extension !== ""
                text: dialog.extension
                opacity: 0.7
            }
        }
        Label {
            objectName: "nameProblem"
            Layout.fillWidth: true
            wrapMode: Label.Wrap
            color: "#D23C3C"
            visible: text !== ""
            text: dialog.duplicate ? qsTr("This name is already taken in the folder")
                  : (nameField.text !== "" && !nameField.acceptableInput
                     ? qsTr("A name starts with a letter, a digit or a space and holds no dot") : "")
        }
    }
}
