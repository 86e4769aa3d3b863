import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// Refreshes the stored token behind a short splash, then opens the portal.
// When the refresh fails the user may retry, sign in again or go on with
// what the device has stored.
Page {
    id: page
    property var session

    objectName: "splashPage"

    RefreshTokenPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onRefreshedChanged: if (refreshed) page.session.openPortal()
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 420)
        spacing: 14
        Label {
            Layout.fillWidth: true
            text: "VellixOffice"
            font.pixelSize: 32
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            color: page.Material.accent
        }
        Label {
            Layout.fillWidth: true
            text: qsTr("Version %1").arg(appVersion)
            horizontalAlignment: Text.AlignHCenter
            opacity: 0.7
        }
        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: !controller.connectionFailed
            visible: running
        }
        StatusText {
            objectName: "refreshError"
            horizontalAlignment: Text.AlignHCenter
            text: controller.connectionFailed ? controller.errorMessage : ""
        }
        Button {
            objectName: "retryButton"
            Layout.fillWidth: true
            visible: controller.connectionFailed
            highlighted: true
            text: qsTr("Retry")
            Accessible.name: text
            onClicked: { controller.resetView(); controller.refreshToken() }
        }
        Button {
            objectName: "offlineButton"
            Layout.fillWidth: true
            visible: controller.connectionFailed
            text: qsTr("Continue with stored documents")
            Accessible.name: text
            onClicked: page.session.openPortal()
        }
        Button {
            objectName: "signInAgainButton"
            Layout.fillWidth: true
            visible: controller.connectionFailed
            flat: true
            text: qsTr("Sign in again")
            Accessible.name: text
            onClicked: page.session.signIn()
        }
    }

    Component.onCompleted: controller.refreshToken()
}
