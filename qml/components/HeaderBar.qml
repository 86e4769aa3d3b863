import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12

// The bar above every page: back (or sections on a narrow window), the
// title and the page's own action buttons.
ToolBar {
    id: bar

    property string title
    property string subtitle
    property bool canGoBack: false
    property bool showSectionsButton: false
    default property alias actions: actionRow.data

    signal backRequested()
    signal sectionsRequested()

    Material.foreground: "white"

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 4
        anchors.rightMargin: 4
        spacing: 0

        IconButton {
            visible: bar.canGoBack
            iconName: "back"
            text: qsTr("Back")
            onClicked: bar.backRequested()
        }
        IconButton {
            visible: !bar.canGoBack && bar.showSectionsButton
            iconName: "sections"
            text: qsTr("Sections")
            onClicked: bar.sectionsRequested()
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.leftMargin: bar.canGoBack || bar.showSectionsButton ? 4 : 12
            spacing: 0
            Label {
                Layout.fillWidth: true
                text: bar.title
                elide: Label.ElideRight
                font.pixelSize: 19
                font.weight: Font.Medium
                Accessible.role: Accessible.Heading
            }
            Label {
                Layout.fillWidth: true
                visible: text !== ""
                text: bar.subtitle
                elide: Label.ElideMiddle
                font.pixelSize: 12
                opacity: 0.8
            }
        }
        RowLayout {
            id: actionRow
            spacing: 0
        }
    }
}
