import QtQuick 2.12
import QtQuick.Controls 2.12
import com.vellix.VellixOfficeAurora 1.0

// The picture and text of a page with nothing to show, as wide as the page
// makes it. A plain column: in a layout the wrapped texts and the layout kept
// resizing each other.
Column {
    id: placeholder
    property int picture: EntitiesProvider.Folder
    property int iconTheme: 0
    property string title
    property string hint

    spacing: 12
    Accessible.role: Accessible.StaticText
    Accessible.name: title

    Image {
        anchors.horizontalCenter: parent.horizontalCenter
        source: EntitiesProvider.getEmptyIcon(placeholder.picture, placeholder.iconTheme)
        sourceSize: Qt.size(240, 180)
    }
    Label {
        width: placeholder.width
        text: placeholder.title
        font.pixelSize: 18
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Label.Wrap
    }
    Label {
        width: placeholder.width
        visible: text !== ""
        text: placeholder.hint
        opacity: 0.7
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Label.Wrap
    }
}
