import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The signed-in frame: on a wide window the sections stay beside the
// content, on a narrow one the section list is the first page of the stack.
Page {
    id: page
    property var session

    objectName: "portalPage"
    title: qsTr("Portal")

    VellixOfficePageController {
        id: portal
        settings: page.session.settings
        dao: page.session.dao
        onFoldersLoadingFinished: page.showFirstSection()
    }

    function showFirstSection() {
        var myDocuments = page.session.dao.retrieveFolderIdByType(RootDirectory.MyDocuments)
        if (page.session.wide && myDocuments > 0 && contentStack.depth === 1
                && contentStack.currentItem.objectName === "rootPage") {
            sections.currentSection = RootDirectory.MyDocuments
            page.session.openSection(RootDirectory.MyDocuments, myDocuments)
        }
    }

    header: OfflineBanner {}

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Pane {
            objectName: "sectionsPane"
            visible: page.session.wide
            Layout.preferredWidth: 300
            Layout.fillHeight: true
            padding: 0
            Material.elevation: 2
            ColumnLayout {
                anchors.fill: parent
                spacing: 0
                HeaderBar {
                    Layout.fillWidth: true
                    title: "VellixOffice"
                    IconButton {
                        objectName: "accountButton"
                        iconName: "account"
                        text: qsTr("Account")
                        onClicked: page.session.openOnRoot("AccountPage.qml")
                    }
                }
                ErrorBanner {
                    Layout.fillWidth: true
                    controller: portal
                    onRetryRequested: portal.loadFolders()
                }
                SectionsList {
                    id: sections
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    session: page.session
                }
            }
        }

        StackView {
            id: contentStack
            objectName: "contentStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
        }
    }

    Component.onCompleted: {
        page.session.portal = portal
        page.session.contentStack = contentStack
        contentStack.push(page.session.page("RootPage.qml"), { session: page.session })
        portal.loadFolders()
        showFirstSection()
    }
}
