import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// Asks the portal to mail instructions for a new password.
FormPage {
    id: page
    property string login
    property bool sent: false

    objectName: "passwordRecoveryPage"
    title: qsTr("Password recovery")

    PasswordRecoveryPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onConnectionInProgressChanged: if (!connectionInProgress && !connectionFailed) page.sent = true
    }

    Label {
        Layout.fillWidth: true
        text: qsTr("Type the e-mail you sign in with; the portal sends instructions to it.")
        wrapMode: Label.Wrap
        opacity: 0.8
    }
    TextField {
        id: email
        objectName: "emailField"
        Layout.fillWidth: true
        placeholderText: qsTr("E-mail")
        text: page.login
        inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
        selectByMouse: true
        Accessible.name: placeholderText
    }
    StatusText {
        objectName: "recoveryStatus"
        isError: controller.connectionFailed
        text: controller.connectionFailed ? controller.errorMessage
              : (page.sent ? qsTr("Instructions were sent to %1").arg(email.text) : "")
    }
    Button {
        objectName: "sendButton"
        Layout.fillWidth: true
        highlighted: true
        text: qsTr("Send")
        Accessible.name: text
        enabled: email.text.trim() !== "" && !controller.connectionInProgress
        onClicked: {
            page.sent = false
            controller.sendForget(email.text.trim())
        }
    }
    BusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        running: controller.connectionInProgress
        visible: running
    }
}
