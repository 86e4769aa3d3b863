import QtQuick 2.12
import QtQuick.Controls 2.12
import com.vellix.VellixOfficeAurora 1.0

// The sorting field and direction of the portal lists, kept in the settings.
Menu {
    id: menu
    property Settings settings

    objectName: "sortMenu"
    title: qsTr("Sort")

    Repeater {
        model: [
            { field: SortingOptions.Name, text: qsTr("By name") },
            { field: SortingOptions.Date, text: qsTr("By date") },
            { field: SortingOptions.Type, text: qsTr("By type") },
            { field: SortingOptions.Size, text: qsTr("By size") },
            { field: SortingOptions.Author, text: qsTr("By author") }
        ]
        MenuItem {
            text: modelData.text
            checkable: true
            checked: menu.settings !== null && menu.settings.sortingParameter === modelData.field
            Accessible.name: text
            onTriggered: menu.settings.setSorting(modelData.field, menu.settings.sortingDirection)
        }
    }
    MenuSeparator {}
    MenuItem {
        text: qsTr("Ascending")
        checkable: true
        checked: menu.settings !== null && menu.settings.sortingDirection === Qt.AscendingOrder
        Accessible.name: text
        onTriggered: menu.settings.setSorting(menu.settings.sortingParameter, Qt.AscendingOrder)
    }
    MenuItem {
        text: qsTr("Descending")
        checkable: true
        checked: menu.settings !== null && menu.settings.sortingDirection === Qt.DescendingOrder
        Accessible.name: text
        onTriggered: menu.settings.setSorting(menu.settings.sortingParameter, Qt.DescendingOrder)
    }
}
