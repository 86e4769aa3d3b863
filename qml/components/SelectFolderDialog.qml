import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// Picks the destination folder of a copy, move or restore among the folders
// of My documents.
Dialog {
    id: dialog

    property Settings settings
    property DataAccessObject dao
    property int iconTheme: 0
    property var onChosen: null
    readonly property string folderName: controller.folderId > 0 && dao ? dao.retrieveFolderNameById(controller.folderId) + "" : ""

    objectName: "selectFolderDialog"
    modal: true
    anchors.centerIn: Overlay.overlay
    width: Math.min(480, parent ? parent.width - 24 : 480)
    height: Math.min(560, parent ? parent.height - 48 : 560)
    standardButtons: Dialog.Cancel

    SelectFolderDialogController {
        id: controller
        settings: dialog.settings
        dao: dialog.dao
    }
    RemoteSortFilterModel {
        id: folders
        sourceModel: controller.entitiesModel
    }

    function ask(title, action) {
        dialog.title = title
        onChosen = action
        controller.loadFoldersAndFiles(0)
        open()
    }

    header: ColumnLayout {
        spacing: 0
        Label {
            Layout.fillWidth: true
            Layout.margins: 20
            Layout.bottomMargin: 4
            text: dialog.title
            font.pixelSize: 19
            font.weight: Font.Medium
            elide: Label.ElideRight
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            IconButton {
                objectName: "folderUpButton"
                iconName: "back"
                text: qsTr("Up to %1").arg(controller.parentName)
                enabled: controller.parentId > 0
                onClicked: controller.loadFoldersAndFiles(controller.parentId)
            }
            Label {
                Layout.fillWidth: true
                text: dialog.folderName
                elide: Label.ElideLeft
                opacity: 0.8
            }
            Button {
                objectName: "chooseFolderButton"
                text: qsTr("Choose")
                highlighted: true
                enabled: controller.folderId > 0
                Accessible.name: qsTr("Choose %1").arg(dialog.folderName)
                onClicked: {
                    var target = controller.folderId
                    dialog.close()
                    if (dialog.onChosen)
                        dialog.onChosen(target)
                }
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        ErrorBanner {
            Layout.fillWidth: true
            controller: controller
            onRetryRequested: controller.loadFoldersAndFiles(controller.folderId)
        }
        ListView {
            objectName: "folderList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: folders
            delegate: EntityDelegate {
                objectName: "folder_" + model.name
                entityName: model.name
                isFile: false
                timestamp: model.timestamp
                iconTheme: dialog.iconTheme
                onOpenRequested: controller.loadFoldersAndFiles(model.id)
            }
            Label {
                anchors.centerIn: parent
                visible: parent.count === 0 && !controller.connectionInProgress
                text: qsTr("No folders here")
                opacity: 0.6
            }
            BusyIndicator {
                anchors.centerIn: parent
                running: controller.connectionInProgress && parent.count === 0
            }
        }
    }
}
