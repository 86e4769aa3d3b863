import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// Shown for as long as the device has no network connection.
Pane {
    id: banner
    objectName: "offlineBanner"
    visible: !checker.connectionFine
    padding: 6
    Material.background: Material.theme === Material.Dark ? "#4E4A2A" : "#FFF4D6"
    Accessible.role: Accessible.AlertMessage
    Accessible.name: offlineText.text

    InternetConnectionChecker { id: checker }

    RowLayout {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 8
        Image {
            source: "../icons/actions/offline.svg"
            sourceSize: Qt.size(18, 18)
            opacity: 0.7
        }
        Label {
            id: offlineText
            text: qsTr("No internet connection: showing what was stored on this device")
            wrapMode: Label.Wrap
        }
    }
}
