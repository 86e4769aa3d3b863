import QtQuick 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// My documents and each of its folders.
SectionPage {
    id: page
    sectionType: RootDirectory.MyDocuments
    showPath: true
    canCreate: true
    controller: MyDocumentsPageController {
        settings: page.session.settings
        dao: page.session.dao
        folderId: page.folderId
    }
    fileActionNames: ["open", "rename", "copy", "duplicate", "move", "share", "favorite", "unfavorite", "download", "pdf", "trash"]
    folderActionNames: ["open", "rename", "copy", "move", "share", "zip", "trash"]
    selectionActionNames: ["copy", "move", "delete"]
    emptyHint: qsTr("Create a document or a folder, or upload a file, with the button below")
}
