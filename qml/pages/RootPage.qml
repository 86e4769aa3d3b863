import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The portal's sections, the user's name and the portal address.
Page {
    id: page
    property var session

    objectName: "rootPage"
    title: "VellixOffice"

    header: HeaderBar {
        title: page.title
        IconButton {
            objectName: "searchButton"
            iconName: "search"
            text: qsTr("Search")
            onClicked: page.session.openOnContent("SearchPage.qml", { searchFolder: 0 })
        }
        IconButton {
            objectName: "refreshButton"
            iconName: "refresh"
            text: qsTr("Refresh")
            onClicked: page.session.portal.loadFolders()
        }
        IconButton {
            objectName: "accountButton"
            iconName: "account"
            text: qsTr("Account")
            onClicked: page.session.openOnRoot("AccountPage.qml")
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        ErrorBanner {
            Layout.fillWidth: true
            controller: page.session.portal
            onRetryRequested: page.session.portal.loadFolders()
        }
        ProgressBar {
            Layout.fillWidth: true
            indeterminate: true
            visible: page.session.portal.connectionInProgress
        }
        SectionsList {
            Layout.fillWidth: true
            Layout.fillHeight: true
            session: page.session
            focus: true
        }
    }

    Shortcut {
        sequences: ["F5", "Ctrl+R"]
        enabled: page.StackView.status === StackView.Active && page.session.rootStack.depth === 1
        onActivated: page.session.portal.loadFolders()
    }
    Shortcut {
        sequences: [StandardKey.Find]
        enabled: page.StackView.status === StackView.Active && page.session.rootStack.depth === 1
        onActivated: page.session.openOnContent("SearchPage.qml", { searchFolder: 0 })
    }
}
