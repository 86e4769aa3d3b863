import QtQuick 2.12
import QtQuick.Controls 2.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// The documents the user marked as favorites.
SectionPage {
    id: page
    sectionType: RootDirectory.Favorite
    controller: FavoritesPageController {
        id: favorites
        settings: page.session.settings
        dao: page.session.dao
    }
    fileActionNames: ["open", "unfavorite", "download", "pdf"]
    emptyTitle: qsTr("No favorites yet")
    emptyHint: qsTr("Add a document to the favorites from its menu")

    MenuItem {
        objectName: "clearFavoritesItem"
        text: qsTr("Clear the favorites")
        enabled: page.entities.count > 0
        Accessible.name: text
        onTriggered: page.entities.confirmThen(qsTr("Clear the favorites"), qsTr("Every document will be removed from the favorites."),
                                 function() { favorites.clearFavorites() })
    }
}
