import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12

// Shows a controller's error text with a retry and a dismiss; dismissing
// returns the controller to its idle state (resetView).
Pane {
    id: banner

    property var controller
    property bool canRetry: true
    readonly property string message: controller && controller.errorMessage ? controller.errorMessage : ""

    signal retryRequested()

    objectName: "errorBanner"
    visible: controller !== undefined && controller !== null && controller.connectionFailed && message !== ""
    padding: 8
    leftPadding: 16
    Material.background: Material.theme === Material.Dark ? "#5C2B29" : "#FDECEA"
    Material.elevation: 1
    Accessible.role: Accessible.AlertMessage
    Accessible.name: message

    RowLayout {
        anchors.fill: parent
        spacing: 8
        Image {
            source: "../icons/actions/warning.svg"
            sourceSize: Qt.size(22, 22)
            Layout.alignment: Qt.AlignVCenter
            opacity: 0.7
        }
        Label {
            objectName: "errorText"
            Layout.fillWidth: true
            text: banner.message
            wrapMode: Label.Wrap
        }
        Button {
            objectName: "retryButton"
            visible: banner.canRetry
            flat: true
            text: qsTr("Retry")
            Accessible.name: text
            onClicked: {
                banner.controller.resetView()
                banner.retryRequested()
            }
        }
        Button {
            objectName: "dismissButton"
            flat: true
            text: qsTr("Dismiss")
            Accessible.name: text
            onClicked: banner.controller.resetView()
        }
    }
}
