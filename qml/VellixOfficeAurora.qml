import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

Page {
    id: root
    width: 540
    height: 960

    ColumnLayout {
        anchors.centerIn: parent
        spacing: 16

        Label {
            objectName: "applicationName"
            Layout.alignment: Qt.AlignHCenter
            text: "VellixOffice Aurora"
            font.pixelSize: 32
            font.bold: true
        }
        Label {
            objectName: "applicationVersion"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Version %1").arg(appVersion)
            opacity: 0.7
        }
    }
}
