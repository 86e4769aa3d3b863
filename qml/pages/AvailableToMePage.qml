import QtQuick 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// What others made available to you.
SectionPage {
    id: page
    sectionType: RootDirectory.Virtual
    controller: MetaFolderPageController {
        settings: page.session.settings
        dao: page.session.dao
        directoryType: RootDirectory.Virtual
        folderId: page.folderId
    }
    fileActionNames: ["open", "copy", "favorite", "unfavorite", "download", "pdf"]
    folderActionNames: ["open", "copy", "zip"]
    selectionActionNames: ["copy"]
    emptyTitle: qsTr("Nothing here yet")
}
