import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// The portal's root sections with their icons and titles, under the user's
// name and portal address. Common is not a root folder of the portal's
// listing and follows the sections.
ListView {
    id: sections

    property var session
    property int currentSection: -1

    objectName: "sectionsList"
    clip: true
    model: session.portal ? session.portal.entitiesModel : null
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Sections")
    keyNavigationEnabled: true

    header: Pane {
        width: sections.width
        padding: 16
        Material.background: "transparent"
        RowLayout {
            anchors.fill: parent
            spacing: 12
            Rectangle {
                Layout.preferredWidth: 44
                Layout.preferredHeight: 44
                radius: 22
                color: Material.accent
                Label {
                    anchors.centerIn: parent
                    text: sections.session.settings.userFirstName.charAt(0) + sections.session.settings.userSurname.charAt(0)
                    color: "white"
                    font.pixelSize: 17
                    font.weight: Font.Medium
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0
                Label {
                    objectName: "userFullName"
                    Layout.fillWidth: true
                    text: sections.session.portal ? sections.session.portal.userFullName : ""
                    font.pixelSize: 16
                    font.weight: Font.Medium
                    elide: Label.ElideRight
                }
                Label {
                    objectName: "portalAddress"
                    Layout.fillWidth: true
                    text: sections.session.portal ? sections.session.portal.portalAddress : ""
                    font.pixelSize: 12
                    opacity: 0.7
                    elide: Label.ElideMiddle
                }
            }
        }
    }

    delegate: ItemDelegate {
        objectName: "section_" + model.metatype
        width: sections.width
        text: EntitiesProvider.directoryName(model.metatype)
        icon.source: EntitiesProvider.directoryIcon(model.metatype, sections.session.iconTheme)
        icon.color: "transparent"
        icon.width: 26
        icon.height: 26
        highlighted: sections.currentSection === model.metatype
        Accessible.name: text
        onClicked: {
            sections.currentSection = model.metatype
            sections.session.openSection(model.metatype, model.id)
        }
    }

    footer: Column {
        width: sections.width
        ItemDelegate {
            objectName: "section_" + RootDirectory.Common
            width: sections.width
            text: EntitiesProvider.directoryName(RootDirectory.Common)
            icon.source: EntitiesProvider.directoryIcon(RootDirectory.Common, sections.session.iconTheme)
            icon.color: "transparent"
            icon.width: 26
            icon.height: 26
            highlighted: sections.currentSection === RootDirectory.Common
            Accessible.name: text
            onClicked: {
                sections.currentSection = RootDirectory.Common
                sections.session.openSection(RootDirectory.Common, 0)
            }
        }
        ItemDelegate {
            objectName: "localFilesSection"
            width: sections.width
            text: qsTr("Files on this device")
            icon.source: EntitiesProvider.directoryIcon(RootDirectory.MyDocuments, sections.session.iconTheme)
            icon.color: "transparent"
            icon.width: 26
            icon.height: 26
            Accessible.name: text
            onClicked: sections.session.openOnRoot("LocalFilesPage.qml")
        }
    }
}
