import QtQuick 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The documents of the whole company.
SectionPage {
    id: page
    sectionType: RootDirectory.Common
    controller: MetaFolderPageController {
        settings: page.session.settings
        dao: page.session.dao
        directoryType: RootDirectory.Common
        folderId: page.folderId
    }
    fileActionNames: ["open", "copy", "favorite", "unfavorite", "download", "pdf"]
    folderActionNames: ["open", "copy", "zip"]
    selectionActionNames: ["copy"]
    emptyTitle: qsTr("Nothing here yet")
}
