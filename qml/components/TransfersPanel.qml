import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "Format.js" as Format

// The running and recently ended downloads, conversions, archives and
// uploads, over every page; a finished download offers to open its file.
Drawer {
    id: panel
    objectName: "transfersPanel"

    property var session

    edge: Qt.RightEdge
    // Opened from the bars only: an edge swipe would take clicks meant for the scroll bars.
    dragMargin: 0
    width: Math.min(420, parent ? parent.width * 0.9 : 420)
    height: parent ? parent.height : 0

    function openFile(path, name) {
        close()
        session.openLocalFile(path, name)
    }

    function describe(state, direction, done, total, error) {
        switch (state) {
        case TransferListModel.Waiting: return qsTr("Preparing…")
        case TransferListModel.Finished: return direction === TransferListModel.Upload ? qsTr("Uploaded") : qsTr("Downloaded")
        case TransferListModel.Failed: return error
        }
        return total > 0 ? qsTr("%1 of %2").arg(Format.size(done)).arg(Format.size(total)) : Format.size(done)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        ToolBar {
            Layout.fillWidth: true
            Material.foreground: "white"
            RowLayout {
                anchors.fill: parent
                Label {
                    Layout.fillWidth: true
                    Layout.leftMargin: 16
                    text: qsTr("Transfers")
                    font.pixelSize: 19
                    font.weight: Font.Medium
                }
                ToolButton {
                    objectName: "clearEndedButton"
                    text: qsTr("Clear")
                    onClicked: TransferListModel.clearEnded()
                }
            }
        }
        ListView {
            id: list
            objectName: "transferList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: TransferListModel
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Transfers")

            delegate: ItemDelegate {
                objectName: "transfer_" + model.name
                width: list.width
                Accessible.name: model.name
                contentItem: ColumnLayout {
                    spacing: 4
                    Label { Layout.fillWidth: true; text: model.name; elide: Label.ElideMiddle }
                    ProgressBar {
                        Layout.fillWidth: true
                        visible: model.state === TransferListModel.Waiting || model.state === TransferListModel.Running
                        indeterminate: model.bytesTotal <= 0
                        value: model.bytesTotal > 0 ? model.bytesDone / model.bytesTotal : 0
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        Label {
                            objectName: "transferState"
                            Layout.fillWidth: true
                            wrapMode: Label.Wrap
                            font.pixelSize: 12
                            opacity: 0.8
                            color: model.state === TransferListModel.Failed ? Material.color(Material.Red) : Material.foreground
                            text: panel.describe(model.state, model.direction, model.bytesDone, model.bytesTotal, model.errorText)
                        }
                        Button {
                            objectName: "openTransferButton"
                            visible: model.filePath !== ""
                            flat: true
                            text: qsTr("Open")
                            Accessible.name: qsTr("Open %1").arg(model.name)
                            onClicked: panel.openFile(model.filePath, model.filePath.split("/").pop())
                        }
                    }
                }
            }

            Label {
                anchors.centerIn: parent
                visible: list.count === 0
                text: qsTr("No transfers")
                opacity: 0.7
            }
        }
    }
}
