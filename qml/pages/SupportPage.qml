import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// Feedback to the portal's support.
FormPage {
    id: page
    property string portalAddress
    property string email
    property string status
    property bool failed: false

    objectName: "supportPage"
    title: qsTr("Support")

    SupportPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onMessageSended: { page.failed = false; page.status = qsTr("Thank you: your message was sent.") }
        onErrorSendMessage: { page.failed = true; page.status = qsTr("The message could not be sent. Try again later.") }
    }

    TextField {
        id: address
        objectName: "portalAddressField"
        Layout.fillWidth: true
        placeholderText: qsTr("Portal address")
        text: page.portalAddress !== "" ? page.portalAddress : page.session.settings.portalAddress
        selectByMouse: true
        Accessible.name: placeholderText
    }
    TextField {
        id: email
        objectName: "emailField"
        Layout.fillWidth: true
        placeholderText: qsTr("Your e-mail")
        text: page.email !== "" ? page.email : page.session.settings.userEmail
        selectByMouse: true
        Accessible.name: placeholderText
    }
    TextField {
        id: subject
        objectName: "subjectField"
        Layout.fillWidth: true
        placeholderText: qsTr("Subject")
        selectByMouse: true
        Accessible.name: placeholderText
    }
    TextArea {
        id: message
        objectName: "messageField"
        Layout.fillWidth: true
        Layout.minimumHeight: 140
        placeholderText: qsTr("Message")
        wrapMode: TextArea.Wrap
        selectByMouse: true
        Accessible.name: placeholderText
    }
    StatusText {
        objectName: "supportStatus"
        isError: page.failed
        text: page.status
    }
    Button {
        objectName: "sendButton"
        Layout.fillWidth: true
        highlighted: true
        text: qsTr("Send")
        Accessible.name: text
        enabled: !controller.connectionInProgress && email.text !== "" && message.text !== ""
        onClicked: {
            page.status = ""
            controller.sendMessage(address.text.trim(), email.text.trim(), subject.text, message.text)
        }
    }
    BusyIndicator {
        Layout.alignment: Qt.AlignHCenter
        running: controller.connectionInProgress
        visible: running
    }
}
