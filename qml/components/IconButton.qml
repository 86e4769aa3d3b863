import QtQuick 2.12
import QtQuick.Controls 2.12

// A tool button that shows one of the monochrome action icons; its text is
// the tooltip and the accessible name.
ToolButton {
    id: button
    property string iconName

    display: AbstractButton.IconOnly
    icon.source: "../icons/actions/" + iconName + ".svg"
    icon.width: 22
    icon.height: 22
    Accessible.name: text
    ToolTip.visible: hovered && text !== ""
    ToolTip.text: text
    ToolTip.delay: 600
}
