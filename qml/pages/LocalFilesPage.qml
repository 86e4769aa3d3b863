import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"
import "../components/Format.js" as Format

// The documents kept in the encrypted container on this device and its
// local trash: sorting, selection, opening a copy, trash, restore, delete.
Page {
    id: page
    objectName: "localFilesPage"

    property var session
    property bool showTrash: false
    property int sortParameter: SortingOptions.Date
    property int sortOrder: Qt.DescendingOrder
    property bool selectionMode: false
    // A copy that could not be made out of the container; the container's own state is the session's.
    property string copyFailure
    readonly property LocalPageController local: session.openContainer()
    readonly property alias files: proxy

    title: qsTr("Files on this device")
    Accessible.name: title

    function folderPath() {
        return showTrash ? page.local.trashPath : page.local.documentsPath
    }

    function open(name) {
        var copy = page.local.copyFileFromSStore(name)
        page.copyFailure = copy === "" ? qsTr("“%1” could not be copied out of the container.").arg(name) : ""
        if (copy !== "")
            session.openLocalFile(copy, name)
    }

    function selectedPaths() { return page.local.getHighlightedPaths(proxy) }

    function forEachSelected(action) {
        selectedPaths().forEach(action)
        selectionMode = false
    }

    header: HeaderBar {
        title: page.title
        subtitle: page.showTrash ? qsTr("Local trash") : ""
        canGoBack: page.StackView.index > 0
        showSectionsButton: !page.session.wide
        onBackRequested: page.StackView.view.pop()
        onSectionsRequested: page.session.showSections()

        IconButton {
            objectName: "localSortButton"
            iconName: "sort"
            text: qsTr("Sort")
            onClicked: sortMenu.popup(this, 0, height)
        }
        IconButton {
            objectName: "localSelectButton"
            iconName: "select"
            text: qsTr("Select")
            checkable: true
            checked: page.selectionMode
            onToggled: {
                page.selectionMode = checked
                if (!checked)
                    page.local.clearSelect(proxy)
            }
        }
    }

    Binding {
        target: page.local.filesModel
        property: "directoryPath"
        value: page.folderPath()
        when: page.folderPath() !== ""
    }
    LocalFilesSortFilterModel {
        id: proxy
        sourceModel: page.local.filesModel
        sortParameter: page.sortParameter
        order: page.sortOrder
    }

    Menu {
        id: sortMenu
        objectName: "localSortMenu"
        Repeater {
            model: [
                { field: SortingOptions.Name, text: qsTr("By name") },
                { field: SortingOptions.Date, text: qsTr("By date") },
                { field: SortingOptions.Size, text: qsTr("By size") }
            ]
            MenuItem {
                text: modelData.text
                checkable: true
                checked: page.sortParameter === modelData.field
                onTriggered: page.sortParameter = modelData.field
            }
        }
        MenuSeparator {}
        MenuItem {
            text: qsTr("Ascending")
            checkable: true
            checked: page.sortOrder === Qt.AscendingOrder
            onTriggered: page.sortOrder = Qt.AscendingOrder
        }
        MenuItem {
            text: qsTr("Descending")
            checkable: true
            checked: page.sortOrder === Qt.DescendingOrder
            onTriggered: page.sortOrder = Qt.DescendingOrder
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabs
            objectName: "localTabs"
            Layout.fillWidth: true
            currentIndex: page.showTrash ? 1 : 0
            onCurrentIndexChanged: { page.local.clearSelect(proxy); page.showTrash = currentIndex === 1 }
            TabButton { objectName: "documentsTab"; text: qsTr("Documents") }
            TabButton { objectName: "trashTab"; text: qsTr("Local trash") }
        }
        StatusText {
            objectName: "storageState"
            Layout.margins: 12
            isError: page.session.containerFailed || page.copyFailure !== ""
            text: page.copyFailure !== "" ? page.copyFailure : page.session.containerState
        }
        Pane {
            objectName: "localSelectionBar"
            Layout.fillWidth: true
            visible: page.selectionMode
            padding: 4
            Material.elevation: 2
            RowLayout {
                anchors.fill: parent
                IconButton {
                    iconName: "select-all"
                    text: qsTr("Select all")
                    onClicked: page.local.selectAll(proxy)
                }
                Item { Layout.fillWidth: true }
                Button {
                    objectName: "localSelection_trash"
                    visible: !page.showTrash
                    flat: true
                    text: qsTr("Move to trash")
                    onClicked: page.forEachSelected(function(path) { page.local.moveFileToTrash(path) })
                }
                Button {
                    objectName: "localSelection_restore"
                    visible: page.showTrash
                    flat: true
                    text: qsTr("Restore")
                    onClicked: page.forEachSelected(function(path) { page.local.restoreFile(path) })
                }
                Button {
                    objectName: "localSelection_delete"
                    flat: true
                    text: qsTr("Delete")
                    onClicked: confirm.ask(qsTr("Delete for good"), qsTr("The selected files will be deleted from this device."),
                                           function() { page.forEachSelected(function(path) { page.local.removeFile(path) }) })
                }
            }
        }
        Button {
            objectName: "clearLocalTrashButton"
            Layout.alignment: Qt.AlignRight
            Layout.rightMargin: 8
            visible: page.showTrash && list.count > 0
            flat: true
            text: qsTr("Empty the local trash")
            onClicked: confirm.ask(text, qsTr("Every file of the local trash will be deleted from this device."),
                                   function() { page.local.clearTrash() })
        }
        ProgressBar {
            Layout.fillWidth: true
            indeterminate: true
            visible: page.local.copyInProcess
        }

        ListView {
            id: list
            objectName: "localFileList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: proxy
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Files on this device")

            delegate: ItemDelegate {
                objectName: "localFile_" + model.name
                width: list.width
                highlighted: model.selected
                text: model.name
                Accessible.name: model.name
                contentItem: RowLayout {
                    spacing: 12
                    CheckBox {
                        visible: page.selectionMode
                        checked: model.selected
                        onToggled: model.selected = checked
                    }
                    Image {
                        source: EntitiesProvider.getFileIcon(model.name, page.session.iconTheme)
                        sourceSize: Qt.size(32, 32)
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        Label { Layout.fillWidth: true; text: model.name; elide: Label.ElideMiddle }
                        Label {
                            Layout.fillWidth: true
                            text: Format.size(model.size) + " · " + Format.date(model.timestamp)
                            opacity: 0.7
                            font.pixelSize: 12
                        }
                    }
                    IconButton {
                        objectName: "localFileMenuButton"
                        iconName: "more"
                        text: qsTr("Actions")
                        onClicked: { fileMenu.file = model; fileMenu.popup(this, 0, height) }
                    }
                }
                onClicked: page.selectionMode ? (model.selected = !model.selected)
                                              : (page.showTrash ? undefined : page.open(model.name))
            }

            EmptyPlaceholder {
                anchors.centerIn: parent
                width: Math.min(parent.width - 32, 360)
                visible: list.count === 0 && !page.session.containerFailed
                picture: page.showTrash ? EntitiesProvider.Trash : EntitiesProvider.Folder
                iconTheme: page.session.iconTheme
                title: page.showTrash ? qsTr("The local trash is empty") : qsTr("No documents on this device yet")
                hint: page.showTrash ? "" : qsTr("Downloaded documents are kept here, encrypted.")
            }
        }
    }

    Menu {
        id: fileMenu
        objectName: "localFileMenu"
        property var file: null
        MenuItem {
            objectName: "localMenu_open"
            text: qsTr("Open")
            visible: !page.showTrash
            height: visible ? implicitHeight : 0
            onTriggered: page.open(fileMenu.file.name)
        }
        MenuItem {
            objectName: "localMenu_trash"
            text: qsTr("Move to trash")
            visible: !page.showTrash
            height: visible ? implicitHeight : 0
            onTriggered: page.local.moveFileToTrash(fileMenu.file.path)
        }
        MenuItem {
            objectName: "localMenu_restore"
            text: qsTr("Restore")
            visible: page.showTrash
            height: visible ? implicitHeight : 0
            onTriggered: page.local.restoreFile(fileMenu.file.path)
        }
        MenuItem {
            objectName: "localMenu_delete"
            text: qsTr("Delete for good")
            onTriggered: {
                var path = fileMenu.file.path
                confirm.ask(text, qsTr("“%1” will be deleted from this device.").arg(fileMenu.file.name),
                            function() { page.local.removeFile(path) })
            }
        }
    }
    ConfirmDialog { id: confirm }
}
