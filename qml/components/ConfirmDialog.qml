import QtQuick 2.12
import QtQuick.Controls 2.12

// A yes/no question before an action that cannot be undone.
Dialog {
    id: dialog
    property alias text: label.text
    property var onConfirmed: null

    objectName: "confirmDialog"
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(420, parent ? parent.width - 32 : 420)
    standardButtons: Dialog.Ok | Dialog.Cancel

    function ask(title, text, action) {
        dialog.title = title
        dialog.text = text
        dialog.onConfirmed = action
        open()
    }

    Label {
        id: label
        width: parent.width
        wrapMode: Label.Wrap
    }
    onAccepted: if (onConfirmed) onConfirmed()
}
