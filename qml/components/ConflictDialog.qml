import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// Asks what to do with folders whose names already exist at the destination.
Dialog {
    id: dialog
    property var onChosen: null

    signal ruleChosen(int rule)

    objectName: "conflictDialog"
    title: qsTr("Folders with these names exist")
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(440, parent ? parent.width - 32 : 440)

    function ask(action) {
        onChosen = action
        open()
    }
    function choose(rule) {
        close()
        if (onChosen)
            onChosen(rule)
    }

    ColumnLayout {
        width: parent.width
        spacing: 4
        Label {
            Layout.fillWidth: true
            text: qsTr("The destination already holds a folder of the same name.")
            wrapMode: Label.Wrap
        }
        Button {
            objectName: "keepBothButton"
            Layout.fillWidth: true
            text: qsTr("Keep both")
            Accessible.name: text
            onClicked: dialog.choose(CopyFlags.Copy)
        }
        Button {
            objectName: "replaceButton"
            Layout.fillWidth: true
            text: qsTr("Replace")
            Accessible.name: text
            onClicked: dialog.choose(CopyFlags.Overwrite)
        }
        Button {
            objectName: "skipButton"
            Layout.fillWidth: true
            flat: true
            text: qsTr("Skip")
            Accessible.name: text
            onClicked: dialog.choose(CopyFlags.Skip)
        }
    }
}
