import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12

// A line of feedback under a form: an error in red, anything else plain.
Label {
    property bool isError: true
    Layout.fillWidth: true
    visible: text !== ""
    wrapMode: Label.Wrap
    color: isError ? (Material.theme === Material.Dark ? "#FF8A80" : "#C62828") : Material.foreground
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text
}
