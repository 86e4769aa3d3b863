import QtQuick 2.12
import QtQuick.Controls 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The trash: entries can be restored to My documents or deleted for good.
SectionPage {
    id: page
    sectionType: RootDirectory.Trash
    showPath: true
    controller: TrashPageController {
        id: trash
        settings: page.session.settings
        dao: page.session.dao
        folderId: page.folderId
    }
    fileActionNames: ["restore", "delete"]
    folderActionNames: ["open", "restore", "delete"]
    selectionActionNames: ["restore", "delete"]
    emptyPicture: EntitiesProvider.Trash
    emptyTitle: qsTr("The trash is empty")

    MenuItem {
        objectName: "clearTrashItem"
        text: qsTr("Empty the trash")
        enabled: !trash.trashClearInProcess && page.entities.count > 0
        Accessible.name: text
        onTriggered: page.entities.confirmThen(qsTr("Empty the trash"), qsTr("Everything in the trash will be deleted for good."),
                                 function() { trash.clearTrash() })
    }
}
