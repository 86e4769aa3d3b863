import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// Who has access to a document or folder and at which level, the users and
// groups to add, and the share links; closes once the portal saved the list.
Page {
    id: page
    objectName: "accessSettingsPage"

    property var session
    property int entityId: -1
    property string entityName
    property bool isFile: true
    readonly property var levels: isFile
        ? [SharedFileAccessType.ReadOnly, SharedFileAccessType.Comment, SharedFileAccessType.Edit, SharedFileAccessType.Denied]
        : [SharedFolderAccessType.ReadOnly, SharedFolderAccessType.Edit, SharedFolderAccessType.Denied]

    title: qsTr("Access settings")
    Accessible.name: title

    function levelText(level) {
        return isFile ? dialogController.fileAccesString(level) : dialogController.folderAccesString(level)
    }
    function copyToClipboard(text) {
        clipboard.text = text
        copied.open()
    }

    header: HeaderBar {
        title: page.title
        subtitle: page.entityName
        canGoBack: true
        onBackRequested: page.session.back()

        Button {
            objectName: "saveAccessButton"
            flat: true
            text: qsTr("Save")
            enabled: !dialogController.connectionInProgress
            onClicked: { dialogController.resetView(); dialogController.saveAccessRights() }
        }
    }

    // Not "access": that name is a role of the list's rows.
    AccessSettingsDialogController {
        id: dialogController
        settings: page.session.settings
        dao: page.session.dao
        type: page.isFile ? EntityTypes.Document : EntityTypes.Directory
        // A failed save stays open with the error in the banner.
        onAccessRightsSaved: if (success) page.session.back()
        onDefaultExternalAccessReady: linkLevel.currentIndex = Math.max(0, dialogController.defaultExternalLinkAccess())
    }

    Clipboard { id: clipboard }

    ScrollView {
        anchors.fill: parent
        contentWidth: availableWidth

        ColumnLayout {
            width: parent.width
            spacing: 8

            ErrorBanner {
                Layout.fillWidth: true
                controller: dialogController
                canRetry: false
            }
            ProgressBar {
                Layout.fillWidth: true
                indeterminate: true
                visible: dialogController.connectionInProgress || dialogController.getPropertyInProcess
            }

            Label { Layout.margins: 12; text: qsTr("Who has access"); font.weight: Font.Medium }
            Repeater {
                id: entryList
                objectName: "accessEntries"
                model: dialogController.usersAndRolesModel
                delegate: RowLayout {
                    id: entry
                    // The combo box's own model and index hide the row's.
                    readonly property int row: index
                    readonly property int level: model.access
                    objectName: "accessEntry_" + model.name
                    Layout.fillWidth: true
                    Layout.leftMargin: 12
                    Layout.rightMargin: 4
                    Label {
                        Layout.fillWidth: true
                        text: model.isGroup ? qsTr("%1 (group)").arg(model.name) : model.name
                        elide: Label.ElideRight
                    }
                    ComboBox {
                        objectName: "accessLevel"
                        Layout.preferredWidth: 200
                        model: page.levels.map(page.levelText)
                        currentIndex: dialogController.accessIndex(entry.level)
                        Accessible.name: qsTr("Access level")
                        onActivated: dialogController.setAccess(entry.row, page.levels[index])
                    }
                    IconButton {
                        objectName: "removeAccessButton"
                        iconName: "close"
                        text: qsTr("Remove")
                        onClicked: dialogController.removeEntity(entry.row)
                    }
                }
            }
            Label {
                objectName: "noAccessEntries"
                Layout.leftMargin: 12
                visible: entryList.count === 0 && !dialogController.getPropertyInProcess
                text: qsTr("Only you have access")
                opacity: 0.7
            }
            RowLayout {
                Layout.leftMargin: 8
                Button {
                    objectName: "addUsersButton"
                    text: qsTr("Add users")
                    onClicked: { users.selectedUsers = dialogController.currentUsers(); userPicker.open() }
                }
                Button {
                    objectName: "addGroupsButton"
                    text: qsTr("Add groups")
                    onClicked: { groups.selectedRoles = dialogController.currentRoles(); groups.updateRoles(); groupPicker.open() }
                }
            }

            Label { Layout.margins: 12; text: qsTr("Links"); font.weight: Font.Medium }
            Label { Layout.leftMargin: 12; text: qsTr("External link access") }
            RowLayout {
                Layout.leftMargin: 12
                Layout.rightMargin: 8
                ComboBox {
                    id: linkLevel
                    objectName: "linkLevel"
                    Layout.fillWidth: true
                    model: page.levels.map(page.levelText)
                }
                Button {
                    objectName: "getLinkButton"
                    text: qsTr("Get link")
                    onClicked: dialogController.getLink(page.levels[linkLevel.currentIndex])
                }
            }
            Repeater {
                model: [
                    { key: "external", title: qsTr("External link"), link: dialogController.externLink },
                    { key: "internal", title: qsTr("Internal link"), link: dialogController.internLink }
                ]
                RowLayout {
                    Layout.leftMargin: 12
                    Layout.rightMargin: 4
                    visible: modelData.link !== ""
                    Label { text: modelData.title }
                    TextField {
                        objectName: modelData.key + "Link"
                        Layout.fillWidth: true
                        readOnly: true
                        text: modelData.link
                    }
                    Button {
                        objectName: modelData.key + "CopyButton"
                        flat: true
                        text: qsTr("Copy")
                        onClicked: page.copyToClipboard(modelData.link)
                    }
                }
            }
        }
    }

    SearchUsersController {
        id: users
        settings: page.session.settings
        dao: page.session.dao
    }
    Dialog {
        id: userPicker
        objectName: "userPicker"
        title: qsTr("Add users")
        modal: true
        anchors.centerIn: Overlay.overlay
        width: Math.min(480, page.width - 32)
        height: Math.min(560, page.height - 32)
        standardButtons: Dialog.Ok | Dialog.Cancel
        onAccepted: dialogController.setUsers(users.getSelectionEntities())
        ColumnLayout {
            anchors.fill: parent
            TextField {
                objectName: "userSearchField"
                Layout.fillWidth: true
                placeholderText: qsTr("Name or e-mail")
                onAccepted: users.performSearch(text)
            }
            ProgressBar { Layout.fillWidth: true; indeterminate: true; visible: users.connectionInProgress }
            StatusText { text: users.connectionFailed ? users.errorMessage : "" }
            ListView {
                id: userList
                objectName: "userResults"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: users.usersModel
                delegate: CheckDelegate {
                    objectName: "user_" + model.id
                    width: userList.width
                    text: page.session.usersRevision >= 0 ? users.ownerNameById(model.id) : ""
                    checked: model.selected
                    onToggled: users.reverseSelection(index)
                }
            }
        }
    }

    SelectGroupsController {
        id: groups
        settings: page.session.settings
        dao: page.session.dao
    }
    Dialog {
        id: groupPicker
        objectName: "groupPicker"
        title: qsTr("Add groups")
        modal: true
        anchors.centerIn: Overlay.overlay
        width: Math.min(480, page.width - 32)
        height: Math.min(560, page.height - 32)
        standardButtons: Dialog.Ok | Dialog.Cancel
        onAccepted: dialogController.setRoles(groups.getSelectionEntities())
        ColumnLayout {
            anchors.fill: parent
            TextField {
                objectName: "groupFilterField"
                Layout.fillWidth: true
                placeholderText: qsTr("Filter groups")
                onTextChanged: groups.groupsModel.filterRegExp = new RegExp(groups.escapeRegExp(text), "i")
            }
            ProgressBar { Layout.fillWidth: true; indeterminate: true; visible: groups.connectionInProgress }
            StatusText { text: groups.connectionFailed ? groups.errorMessage : "" }
            ListView {
                id: groupList
                objectName: "groupResults"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: groups.groupsModel
                delegate: CheckDelegate {
                    objectName: "group_" + model.name
                    width: groupList.width
                    text: model.name
                    checked: model.selected
                    onToggled: groups.reverseSelection(index)
                }
            }
        }
    }

    ToolTip { id: copied; text: qsTr("Copied to the clipboard"); timeout: 2000; x: (page.width - width) / 2; y: page.height - 80 }

    Component.onCompleted: {
        // The controller's "id" property cannot be bound in QML syntax.
        dialogController.id = entityId
        dialogController.update()
    }
}
