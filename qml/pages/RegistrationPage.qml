import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// A new account on a portal.
FormPage {
    id: page
    property string portalAddress
    property bool done: false

    objectName: "registrationPage"
    title: qsTr("Register")

    UserRegisterPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onRegistered: page.done = success
    }

    TextField {
        id: address
        objectName: "portalAddressField"
        Layout.fillWidth: true
        placeholderText: qsTr("Portal address")
        text: page.portalAddress
        selectByMouse: true
        Accessible.name: placeholderText
    }
    TextField {
        id: firstName
        objectName: "firstNameField"
        Layout.fillWidth: true
        placeholderText: qsTr("First name")
        selectByMouse: true
        Accessible.name: placeholderText
    }
    TextField {
        id: surname
        objectName: "surnameField"
        Layout.fillWidth: true
        placeholderText: qsTr("Surname")
        selectByMouse: true
        Accessible.name: placeholderText
    }
    TextField {
        id: email
        objectName: "emailField"
        Layout.fillWidth: true
        placeholderText: qsTr("E-mail")
        inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
        selectByMouse: true
        Accessible.name: placeholderText
    }
    PasswordField {
        id: password
        objectName: "passwordField"
        Layout.fillWidth: true
        placeholderText: qsTr("Password")
        Accessible.name: placeholderText
    }
    StatusText {
        objectName: "registrationStatus"
        isError: !page.done
        text: page.done ? qsTr("The account was created: check your mail, then sign in.")
                        : (controller.connectionFailed ? controller.errorMessage : "")
    }
    Button {
        objectName: "registerButton"
        Layout.fillWidth: true
        highlighted: true
        text: qsTr("Register")
        Accessible.name: text
        enabled: !controller.connectionInProgress && address.text !== "" && email.text !== "" && password.text !== ""
        onClicked: {
            page.done = false
            controller.resetView()
            controller.userRegister(address.text.trim(), email.text.trim(), password.text, firstName.text.trim(), surname.text.trim())
        }
    }
    BusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        running: controller.connectionInProgress
        visible: running
    }
}
