import QtQuick 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The documents the user opened last.
SectionPage {
    id: page
    sectionType: RootDirectory.LastDocuments
    controller: LastDocumentsController {
        settings: page.session.settings
        dao: page.session.dao
    }
    fileActionNames: ["open", "favorite", "unfavorite", "download", "pdf"]
    emptyTitle: qsTr("No documents opened yet")
}
