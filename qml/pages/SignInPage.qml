import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// Portal address, login and password; the portal's own text on failure.
FormPage {
    id: page
    objectName: "signInPage"
    title: qsTr("Sign in")
    header.visible: false

    AuthorizationProgressPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onAuthFinished: page.session.openPortal()
    }

    // Registration, recovery and support go to the portal typed here.
    function keepPortalAddress() {
        controller.portalAddress = address.text.trim()
        page.session.settings.portalAddress = controller.portalAddress
        return controller.portalAddress
    }

    function signIn() {
        if (!ready)
            return
        controller.portalAddress = address.text.trim()
        controller.login = login.text.trim()
        controller.password = password.text
        controller.authorize()
    }
    readonly property bool ready: address.text.trim() !== "" && login.text.trim() !== "" && password.text !== ""
                                  && !controller.connectionInProgress

    Label {
        Layout.fillWidth: true
        text: "VellixOffice"
        font.pixelSize: 30
        font.weight: Font.Medium
        horizontalAlignment: Text.AlignHCenter
        color: page.Material.accent
    }
    Label {
        Layout.fillWidth: true
        Layout.bottomMargin: 12
        text: qsTr("Sign in to your portal")
        horizontalAlignment: Text.AlignHCenter
        opacity: 0.7
    }
    TextField {
        id: address
        objectName: "portalAddressField"
        Layout.fillWidth: true
        placeholderText: qsTr("Portal address")
        text: page.session.settings.portalAddress
        inputMethodHints: Qt.ImhUrlCharactersOnly | Qt.ImhNoAutoUppercase
        selectByMouse: true
        Accessible.name: placeholderText
        onAccepted: login.forceActiveFocus()
    }
    TextField {
        id: login
        objectName: "loginField"
        Layout.fillWidth: true
        placeholderText: qsTr("E-mail")
        text: page.session.settings.login
        inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
        selectByMouse: true
        Accessible.name: placeholderText
        onAccepted: password.forceActiveFocus()
    }
    PasswordField {
        id: password
        objectName: "passwordField"
        Layout.fillWidth: true
        placeholderText: qsTr("Password")
        Accessible.name: placeholderText
        onAccepted: page.signIn()
    }
    StatusText {
        objectName: "signInError"
        text: controller.connectionFailed ? controller.errorMessage : ""
    }
    Button {
        objectName: "signInButton"
        Layout.fillWidth: true
        text: controller.connectionInProgress ? qsTr("Signing in…") : qsTr("Sign in")
        highlighted: true
        enabled: page.ready
        Accessible.name: qsTr("Sign in")
        onClicked: page.signIn()
    }
    BusyIndicator {
        objectName: "signInBusy"
        Layout.alignment: Qt.AlignHCenter
        running: controller.connectionInProgress
        visible: running
    }
    RowLayout {
        Layout.fillWidth: true
        Button {
            objectName: "forgotPasswordButton"
            Layout.fillWidth: true
            flat: true
            text: qsTr("Forgot password?")
            Accessible.name: text
            onClicked: {
                page.keepPortalAddress()
                page.session.openOnRoot("PasswordRecoveryPage.qml", { login: login.text })
            }
        }
        Button {
            objectName: "registerButton"
            Layout.fillWidth: true
            flat: true
            text: qsTr("Register")
            Accessible.name: text
            onClicked: page.session.openOnRoot("RegistrationPage.qml", { portalAddress: page.keepPortalAddress() })
        }
    }
    Button {
        objectName: "supportButton"
        Layout.fillWidth: true
        flat: true
        text: qsTr("Write to support")
        Accessible.name: text
        onClicked: page.session.openOnRoot("SupportPage.qml", { portalAddress: page.keepPortalAddress(), email: login.text })
    }
}
