import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "Format.js" as Format

// One file or folder of a list: icon, name, date, size and owner, the
// favorite and shared marks, a busy indicator while an operation runs on it
// and a check box in the selection mode.
ItemDelegate {
    id: delegate

    property string entityName
    property bool isFile
    property bool isFavorite
    property bool isShared
    property bool busy
    property bool selected
    property var timestamp
    property int size: -1
    property string ownerName
    property string detail
    // The name as styled text (search matches in bold); plain when empty.
    property string highlightedName
    property int iconTheme: 0
    property bool selectionMode: false
    // A tap opens on a touch screen; on a desktop a double click does.
    property bool openOnClick: true

    signal openRequested()
    signal menuRequested(real x, real y)
    signal selectionToggled()

    width: ListView.view ? ListView.view.width : implicitWidth
    highlighted: ListView.isCurrentItem
    Accessible.name: (isFile ? qsTr("File %1") : qsTr("Folder %1")).arg(entityName)
    Accessible.description: subtitle.text

    onClicked: {
        if (ListView.view)
            ListView.view.currentIndex = index
        if (selectionMode)
            selectionToggled()
        else if (openOnClick)
            openRequested()
    }
    onDoubleClicked: if (!selectionMode) openRequested()
    onPressAndHold: if (!selectionMode) menuRequested(width / 2, height / 2)

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: {
            if (delegate.ListView.view)
                delegate.ListView.view.currentIndex = index
            if (!delegate.selectionMode)
                delegate.menuRequested(mouse.x, mouse.y)
        }
    }

    contentItem: RowLayout {
        spacing: 14
        CheckBox {
            visible: delegate.selectionMode
            checked: delegate.selected
            padding: 0
            Accessible.name: qsTr("Select %1").arg(delegate.entityName)
            onClicked: delegate.selectionToggled()
        }
        Item {
            Layout.preferredWidth: 40
            Layout.preferredHeight: 40
            Image {
                anchors.fill: parent
                source: delegate.isFile ? EntitiesProvider.getFileIcon(delegate.entityName, delegate.iconTheme)
                                        : EntitiesProvider.directoryIcon(RootDirectory.Default, delegate.iconTheme)
                sourceSize: Qt.size(40, 40)
                opacity: delegate.busy ? 0.35 : 1
            }
            BusyIndicator {
                objectName: "entityBusy"
                anchors.centerIn: parent
                width: 36
                height: 36
                running: delegate.busy
                visible: running
            }
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Label {
                Layout.fillWidth: true
                objectName: "entityName"
                text: delegate.highlightedName !== "" ? delegate.highlightedName : delegate.entityName
                textFormat: delegate.highlightedName !== "" ? Text.StyledText : Text.PlainText
                elide: Label.ElideMiddle
                font.pixelSize: 15
            }
            Label {
                id: subtitle
                Layout.fillWidth: true
                text: delegate.detail !== "" ? delegate.detail
                      : [Format.date(delegate.timestamp), delegate.isFile ? Format.size(delegate.size) : "",
                         delegate.ownerName].filter(function(part) { return part !== "" }).join("  ·  ")
                elide: Label.ElideRight
                font.pixelSize: 12
                opacity: 0.65
            }
        }
        Image {
            visible: delegate.isShared
            source: "../icons/actions/shared.svg"
            sourceSize: Qt.size(18, 18)
            opacity: 0.6
            Accessible.name: qsTr("Shared")
        }
        Image {
            visible: delegate.isFavorite
            source: "../icons/actions/favorite-mark.svg"
            sourceSize: Qt.size(18, 18)
            Accessible.name: qsTr("Favorite")
        }
    }
}
