import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// The list of a section or folder: cached rows at once, the refresh in the
// background, the folder path, the context menu with the actions the
// section allows, the multi-select mode and the keyboard shortcuts.
ColumnLayout {
    id: view

    property var session
    // The page's loading controller (entitiesModel, load and error state).
    property var controller
    // The section the actions apply to (a RootDirectory value).
    property int sectionType: RootDirectory.MyDocuments
    property int folderId: -1
    property url folderPageUrl
    // Keys of the context menu's actions that apply in this section.
    property var fileActionNames: []
    property var folderActionNames: []
    // Keys of the multi-select mode's actions; none turns the mode off.
    property var selectionActionNames: []
    property bool active: true
    property bool selectionMode: false
    property int emptyPicture: EntitiesProvider.Folder
    property string emptyTitle: qsTr("This folder is empty")
    property string emptyHint
    property var path: []
    property string rootTitle
    readonly property alias list: list
    readonly property alias selection: selection
    readonly property alias count: list.count
    readonly property bool busy: controller !== null && controller.connectionInProgress
                                 || fileActions.connectionInProgress || folderActions.connectionInProgress
                                 || mixedActions.connectionInProgress

    signal refreshRequested()
    signal searchRequested()
    signal pathChosen(int depth)

    spacing: 0

    function refresh() { refreshRequested() }
    function myDocumentsRoot() { return session.dao.retrieveFolderIdByType(RootDirectory.MyDocuments) }
    function current() { return list.currentIndex >= 0 && list.currentItem ? list.currentItem.entity : null }

    function open(entity) {
        if (!entity.isFile)
            session.openFolder(folderPageUrl, entity.id, entity.name)
        else if (ExtensionChecker.isDocument(entity.name))
            session.openDocument(entity.id, entity.name)
        else if (ExtensionChecker.isImage(entity.name))
            session.openOnRoot("ImageViewerPage.qml", { imageId: entity.id, imageName: entity.name, folderType: sectionType })
        else
            run("download", entity)
    }

    // Folder copy, move and restore ask about name conflicts first.
    function withFolderRule(folderIds, target, action) {
        if (folderIds.length === 0) {
            action(CopyFlags.Copy)
            return
        }
        pendingRuleAction = action
        folderActions.checkFolderConflicts(folderIds, target)
    }
    property var pendingRuleAction: null

    function chooseFolder(title, action) {
        selectFolder.ask(title, action)
    }
    function chooseDirectory(action) {
        var picker = session.openOnRoot("LocalFilePickerPage.qml", { pickFolder: true })
        picker.chosen.connect(action)
    }
    function confirmThen(title, text, action) {
        confirm.ask(title, text, action)
    }
    function runDeletion(files, folders) {
        mixedActions.deleteSelectedFilesAndFolders(files, folders)
    }

    function run(action, e) {
        switch (action) {
        case "open": open(e); break
        case "rename": rename.openFor(e.id, e.name, e.isFile); break
        case "duplicate": fileActions.duplicateFile([e.id], folderId, e.name); break
        case "copy":
            chooseFolder(qsTr("Copy to"), function(target) {
                if (e.isFile)
                    fileActions.copyFile([e.id], target, [e.name])
                else
                    withFolderRule([e.id], target, function(rule) { folderActions.copyFolder([e.id], target, rule, [e.name]) })
            })
            break
        case "move":
            chooseFolder(qsTr("Move to"), function(target) {
                if (e.isFile)
                    fileActions.moveFile([e.id], target, [e.name])
                else
                    withFolderRule([e.id], target, function(rule) { folderActions.moveFolder([e.id], target, rule, [e.name]) })
            })
            break
        case "trash":
            if (e.isFile)
                fileActions.moveToTrash(e.id, e.name)
            else
                folderActions.deleteFolder(e.id, e.name)
            break
        case "restore":
            var target = myDocumentsRoot()
            if (e.isFile)
                fileActions.restoreFile(e.id, target, e.name)
            else
                withFolderRule([e.id], target, function(rule) { folderActions.restoreFolder(e.id, target, rule, e.name) })
            break
        case "delete":
            confirm.ask(qsTr("Delete for good"), qsTr("“%1” will be deleted and cannot be restored.").arg(e.name),
                        function() {
                            selection.deselectAll()
                            selection.reverseSelection(e.row)
                            var files = selection.getSelectedFiles()
                            var folders = selection.getSelectedFolders()
                            selection.deselectAll()
                            runDeletion(files, folders)
                        })
            break
        case "share":
            session.openOnRoot("AccessSettingsPage.qml", { entityId: e.id, entityName: e.name, isFile: e.isFile })
            break
        case "favorite": fileActions.addFileToFavorites(e.id, e.name); break
        case "unfavorite": fileActions.deleteFileFromFavorites([e.id], [e.name]); break
        case "download":
            chooseDirectory(function(path) { fileActions.downloadTo(e.id, path, e.name) })
            break
        case "pdf":
            session.openContainer()
            fileActions.downloadAsPdf(e.id, e.name, session.secureStorage)
            break
        case "zip":
            chooseDirectory(function(path) { folderActions.downloadFolderAsArchive(e.id, e.name, path) })
            break
        }
    }

    function applies(action, e) {
        var names = e.isFile ? fileActionNames : folderActionNames
        if (names.indexOf(action) < 0)
            return false
        switch (action) {
        case "favorite": return !e.isFavorite
        case "unfavorite": return !!e.isFavorite
        case "pdf": return !!e.canConvert
        default: return true
        }
    }

    function runOnSelection(action) {
        var fileIds = selection.getSelectedFileIds()
        var folderIds = selection.getSelectedFolderIds()
        var fileNames = selection.getSelectedFileNames()
        var folderNames = selection.getSelectedFolderNames()
        var finish = function() { selection.deselectAll(); selectionMode = false }
        switch (action) {
        case "copy":
        case "move":
            chooseFolder(action === "copy" ? qsTr("Copy to") : qsTr("Move to"), function(target) {
                withFolderRule(folderIds, target, function(rule) {
                    if (action === "copy")
                        mixedActions.copySelectedFilesAndFolders(fileIds, folderIds, fileNames, folderNames, target, rule)
                    else
                        mixedActions.moveSelectedFilesAndFolders(fileIds, folderIds, fileNames, folderNames, target, rule)
                    finish()
                })
            })
            break
        case "restore":
            var target = myDocumentsRoot()
            withFolderRule(folderIds, target, function(rule) {
                mixedActions.restoreSelectedFilesAndFolders(fileIds, folderIds, fileNames, folderNames, target, rule)
                finish()
            })
            break
        case "delete":
            var files = selection.getSelectedFiles()
            var folders = selection.getSelectedFolders()
            confirm.ask(qsTr("Delete"), qsTr("Delete %n selected item(s)?", "", selection.selectedCount), function() {
                runDeletion(files, folders)
                finish()
            })
            break
        }
    }

    RemoteSortFilterModel {
        id: proxy
        sourceModel: view.controller ? view.controller.entitiesModel : null
        sortParameter: view.session.settings.sortingParameter
        order: view.session.settings.sortingDirection
    }
    RemoteSelectPageController {
        id: selection
        settings: view.session.settings
        dao: view.session.dao
        entitiesModel: proxy
    }
    FileActionsController {
        id: fileActions
        settings: view.session.settings
        dao: view.session.dao
        folderType: view.sectionType
        onNeedUpdate: view.refresh()
    }
    FolderActionsController {
        id: folderActions
        settings: view.session.settings
        dao: view.session.dao
        folderType: view.sectionType
        onNeedUpdate: view.refresh()
        onConflictChecked: {
            var action = view.pendingRuleAction
            view.pendingRuleAction = null
            folderActions.resetView()
            if (!action)
                return
            if (isConflict)
                conflict.ask(action)
            else
                action(CopyFlags.Copy)
        }
    }
    FileAndFolderActionsController {
        id: mixedActions
        settings: view.session.settings
        dao: view.session.dao
        folderType: view.sectionType
        onNeedUpdate: view.refresh()
    }

    ErrorBanner {
        Layout.fillWidth: true
        controller: view.controller
        onRetryRequested: view.refresh()
    }
    Repeater {
        model: [fileActions, folderActions, mixedActions]
        ErrorBanner {
            objectName: "actionErrorBanner"
            Layout.fillWidth: true
            controller: modelData
            canRetry: false
        }
    }

    // The selection bar replaces nothing: it sits above the list while the
    // mode is on.
    Pane {
        objectName: "selectionBar"
        Layout.fillWidth: true
        visible: view.selectionMode
        padding: 4
        Material.elevation: 2
        RowLayout {
            anchors.fill: parent
            spacing: 0
            IconButton {
                iconName: "close"
                text: qsTr("Leave selection")
                onClicked: { selection.deselectAll(); view.selectionMode = false }
            }
            Label {
                objectName: "selectedCount"
                Layout.fillWidth: true
                text: qsTr("%1 selected").arg(selection.selectedCount)
                font.weight: Font.Medium
            }
            IconButton {
                objectName: "selectAllButton"
                iconName: "select-all"
                text: selection.selectedCount === list.count && list.count > 0 ? qsTr("Select none") : qsTr("Select all")
                onClicked: selection.selectedCount === list.count ? selection.deselectAll() : selection.selectAll()
            }
            Repeater {
                model: view.selectionActionNames
                Button {
                    objectName: "selection_" + modelData
                    flat: true
                    enabled: selection.selectedCount > 0
                    text: ({ copy: qsTr("Copy"), move: qsTr("Move"), restore: qsTr("Restore"),
                             delete: qsTr("Delete") })[modelData]
                    Accessible.name: text
                    onClicked: view.runOnSelection(modelData)
                }
            }
        }
    }
    Label {
        objectName: "emptyFileWarning"
        Layout.fillWidth: true
        Layout.margins: 8
        visible: view.selectionMode && selection.hasEmptyFile
        text: qsTr("The selection holds an empty file: the portal may refuse to copy or move it.")
        wrapMode: Label.Wrap
        color: Material.color(Material.Orange)
    }

    Breadcrumbs {
        Layout.fillWidth: true
        Layout.leftMargin: 4
        path: view.path
        rootTitle: view.rootTitle
        onFolderChosen: view.pathChosen(depth)
    }
    ProgressBar {
        objectName: "loadingBar"
        Layout.fillWidth: true
        indeterminate: true
        visible: view.busy
    }

    ListView {
        id: list
        objectName: "entityList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        model: proxy
        keyNavigationEnabled: true
        focus: true
        currentIndex: -1
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Files and folders")
        ScrollBar.vertical: ScrollBar {}

        delegate: EntityDelegate {
            readonly property var entity: ({ id: model.id, name: model.name, isFile: model.is_file,
                                             isFavorite: model.is_favorite, canConvert: model.can_convert,
                                             size: model.size, row: index })
            objectName: "entity_" + model.name
            entityName: model.name
            isFile: model.is_file
            isFavorite: model.is_favorite
            isShared: model.is_shared
            busy: model.busy
            selected: model.selected
            timestamp: model.timestamp
            size: model.size
            ownerName: view.session.usersRevision >= 0 && view.controller ? view.controller.ownerNameById(model.owner_id) : ""
            iconTheme: view.session.iconTheme
            selectionMode: view.selectionMode
            openOnClick: !view.session.wide
            onOpenRequested: view.open(entity)
            onSelectionToggled: selection.reverseSelection(index)
            onMenuRequested: {
                entityMenu.entity = entity
                entityMenu.popup(this, x, y)
            }
        }

        EmptyPlaceholder {
            objectName: "emptyPlaceholder"
            anchors.centerIn: parent
            width: Math.min(parent.width - 32, 360)
            visible: list.count === 0 && !view.busy
            picture: view.emptyPicture
            iconTheme: view.session.iconTheme
            title: view.emptyTitle
            hint: view.emptyHint
        }
    }

    Menu {
        id: entityMenu
        objectName: "entityMenu"
        property var entity: ({ isFile: true })
        Repeater {
            model: [
                { key: "open", text: qsTr("Open") },
                { key: "rename", text: qsTr("Rename") },
                { key: "copy", text: qsTr("Copy to…") },
                { key: "duplicate", text: qsTr("Duplicate") },
                { key: "move", text: qsTr("Move to…") },
                { key: "share", text: qsTr("Share") },
                { key: "favorite", text: qsTr("Add to favorites") },
                { key: "unfavorite", text: qsTr("Remove from favorites") },
                { key: "download", text: qsTr("Download") },
                { key: "pdf", text: qsTr("Download as PDF") },
                { key: "zip", text: qsTr("Download as ZIP archive") },
                { key: "restore", text: qsTr("Restore") },
                { key: "trash", text: qsTr("Move to trash") },
                { key: "delete", text: qsTr("Delete for good") }
            ]
            MenuItem {
                objectName: "menu_" + modelData.key
                text: modelData.text
                visible: view.applies(modelData.key, entityMenu.entity)
                height: visible ? implicitHeight : 0
                Accessible.name: text
                onTriggered: view.run(modelData.key, entityMenu.entity)
            }
        }
    }

    RenameDialog {
        id: rename
        settings: view.session.settings
        dao: view.session.dao
        onRenameRequested: {
            if (isFile)
                fileActions.renameFile(entityId, oldName, newName)
            else
                folderActions.renameFolder(entityId, newName, oldName)
        }
    }
    SelectFolderDialog {
        id: selectFolder
        settings: view.session.settings
        dao: view.session.dao
        iconTheme: view.session.iconTheme
    }
    ConflictDialog { id: conflict }
    ConfirmDialog { id: confirm }

    Shortcut {
        sequence: "F2"
        enabled: view.active && view.current() !== null && view.applies("rename", view.current())
        onActivated: view.run("rename", view.current())
    }
    Shortcut {
        sequences: [StandardKey.Delete]
        enabled: view.active && view.current() !== null
        onActivated: {
            var e = view.current()
            var action = ["trash", "delete", "unfavorite"].filter(function(key) { return view.applies(key, e) })[0]
            if (action)
                view.run(action, e)
        }
    }
    Shortcut {
        sequences: ["F5", "Ctrl+R"]
        enabled: view.active
        onActivated: view.refresh()
    }
    Shortcut {
        sequences: [StandardKey.Find]
        enabled: view.active
        onActivated: view.searchRequested()
    }
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: view.active && view.current() !== null && !view.selectionMode
        onActivated: view.open(view.current())
    }
}
