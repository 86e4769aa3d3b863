import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// The bar above every page: back (or sections on a narrow window), the
// title, the page's own action buttons and the transfers.
ToolBar {
    id: bar

    property string title
    property string subtitle
    property bool canGoBack: false
    property bool showSectionsButton: false
    default property alias actions: actionRow.data
    // The session of the page this bar heads; a bar inside a pane has none
    // and leaves the transfers to the page beside it.
    readonly property var session: parent && parent.session ? parent.session : null

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
        IconButton {
            objectName: "transfersButton"
            // A phone's bar is narrow: there the button comes with the first transfer.
            visible: bar.session !== null && !!bar.session.transfers && (bar.session.wide || TransferListModel.count > 0)
            iconName: "transfers"
            text: TransferListModel.count > 0 ? qsTr("Transfers: %1").arg(TransferListModel.count) : qsTr("Transfers")
            onClicked: bar.session.transfers.open()
            Rectangle {
                objectName: "transferCount"
                visible: TransferListModel.count > 0
                anchors.top: parent.top
                anchors.right: parent.right
                anchors.margins: 6
                width: Math.max(height, countLabel.implicitWidth + 8)
                height: 18
                radius: 9
                color: Material.color(Material.Orange)
                Label {
                    id: countLabel
                    anchors.centerIn: parent
                    text: TransferListModel.count
                    font.pixelSize: 11
                    font.weight: Font.Bold
                    color: "white"
                }
            }
        }
    }
}
