import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// The picture and text of a page with nothing to show.
ColumnLayout {
    id: placeholder
    property int picture: EntitiesProvider.Folder
    property int iconTheme: 0
    property string title
    property string hint

    spacing: 12
    Accessible.role: Accessible.StaticText
    Accessible.name: title

    Image {
        Layout.alignment: Qt.AlignHCenter
        source: EntitiesProvider.getEmptyIcon(placeholder.picture, placeholder.iconTheme)
        sourceSize: Qt.size(240, 180)
    }
    Label {
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: 360
        text: placeholder.title
        font.pixelSize: 18
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Label.Wrap
    }
    Label {
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: 360
        visible: text !== ""
        text: placeholder.hint
        opacity: 0.7
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Label.Wrap
    }
}
