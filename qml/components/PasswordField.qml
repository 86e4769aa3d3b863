import QtQuick 2.12
import QtQuick.Controls 2.12

// A password field with a button that shows or hides what was typed.
TextField {
    id: field
    property bool shown: false

    echoMode: shown ? TextInput.Normal : TextInput.Password
    rightPadding: toggle.width + 4
    selectByMouse: true
    inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhSensitiveData

    ToolButton {
        id: toggle
        objectName: "showPasswordButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        icon.source: "../icons/actions/" + (field.shown ? "hidden" : "visible") + ".svg"
        icon.width: 20
        icon.height: 20
        display: AbstractButton.IconOnly
        text: field.shown ? qsTr("Hide password") : qsTr("Show password")
        Accessible.name: text
        focusPolicy: Qt.NoFocus
        onClicked: field.shown = !field.shown
    }
}
