import QtQuick 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// Documents shared for joint work.
SectionPage {
    id: page
    sectionType: RootDirectory.SharedAccess
    controller: MetaFolderPageController {
        settings: page.session.settings
        dao: page.session.dao
        directoryType: RootDirectory.SharedAccess
        folderId: page.folderId
    }
    fileActionNames: ["open", "copy", "share", "favorite", "unfavorite", "download", "pdf"]
    folderActionNames: ["open", "copy", "share", "zip"]
    selectionActionNames: ["copy"]
    emptyTitle: qsTr("Nothing here yet")
}
