import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12

// The folder path from the section's root down to the open folder. A click
// on an ancestor asks to go back to it.
ListView {
    id: crumbs

    // Maps {folderID, folderName} from the top down.
    property var path: []
    property string rootTitle

    signal folderChosen(int depth)

    objectName: "breadcrumbs"
    orientation: ListView.Horizontal
    implicitHeight: 36
    clip: true
    spacing: 0
    model: path
    visible: path.length > 1
    boundsBehavior: Flickable.StopAtBounds
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Folder path")
    onCountChanged: positionViewAtEnd()

    delegate: RowLayout {
        height: crumbs.height
        spacing: 0
        Image {
            visible: index > 0
            source: "../icons/actions/chevron.svg"
            sourceSize: Qt.size(14, 14)
            opacity: 0.5
        }
        ToolButton {
            readonly property bool last: index === crumbs.count - 1
            text: index === 0 && crumbs.rootTitle !== "" ? crumbs.rootTitle : modelData.folderName
            font.capitalization: Font.MixedCase
            font.weight: last ? Font.Medium : Font.Normal
            enabled: !last
            flat: true
            Accessible.name: text
            onClicked: crumbs.folderChosen(index)
        }
    }
}
