import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The signed-in user, the portal, the version, the theme and signing out.
FormPage {
    id: page
    objectName: "accountPage"
    title: qsTr("Account")

    UserAccountPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        onLoggedOut: page.session.signIn()
    }

    Rectangle {
        Layout.alignment: Qt.AlignHCenter
        Layout.preferredWidth: 88
        Layout.preferredHeight: 88
        radius: 44
        color: page.Material.accent
        Label {
            anchors.centerIn: parent
            text: page.session.settings.userFirstName.charAt(0) + page.session.settings.userSurname.charAt(0)
            color: "white"
            font.pixelSize: 32
        }
    }
    Label {
        objectName: "accountName"
        Layout.fillWidth: true
        text: controller.userFullName
        font.pixelSize: 22
        font.weight: Font.Medium
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Label.Wrap
    }
    Label {
        objectName: "accountEmail"
        Layout.fillWidth: true
        text: controller.userEmail
        horizontalAlignment: Text.AlignHCenter
        opacity: 0.75
    }
    Frame {
        Layout.fillWidth: true
        Layout.topMargin: 12
        GridLayout {
            anchors.fill: parent
            columns: 2
            columnSpacing: 16
            rowSpacing: 10
            Label { text: qsTr("Portal"); opacity: 0.7 }
            Label {
                objectName: "accountPortal"
                Layout.fillWidth: true
                text: controller.portalAddess
                elide: Label.ElideMiddle
            }
            Label { text: qsTr("Version"); opacity: 0.7 }
            Label {
                objectName: "accountVersion"
                Layout.fillWidth: true
                text: appVersion
            }
        }
    }
    Switch {
        objectName: "darkThemeSwitch"
        Layout.fillWidth: true
        text: qsTr("Dark theme")
        checked: page.Material.theme === Material.Dark
        Accessible.name: text
        onToggled: page.session.themeToggleRequested()
    }
    Button {
        objectName: "supportButton"
        Layout.fillWidth: true
        flat: true
        text: qsTr("Write to support")
        Accessible.name: text
        onClicked: page.session.openOnRoot("SupportPage.qml")
    }
    Button {
        objectName: "signOutButton"
        Layout.fillWidth: true
        text: qsTr("Sign out")
        Accessible.name: text
        onClicked: controller.logOut()
    }
}
