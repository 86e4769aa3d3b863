import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"
import "../components/Format.js" as Format

// Searches the portal as the user types; each result shows its folder path
// and the matched text in bold.
Page {
    id: page
    property var session
    property int searchFolder: 0
    readonly property string pattern: controller.escapeRegExp(field.text.trim())

    objectName: "searchPage"
    title: qsTr("Search")

    RemoteSearchPageController {
        id: controller
        settings: page.session.settings
        dao: page.session.dao
        searchFolder: page.searchFolder
    }
    RemoteSortFilterModel {
        id: results
        sourceModel: controller.entitiesModel
        sortParameter: page.session.settings.sortingParameter
        order: page.session.settings.sortingDirection
    }

    header: HeaderBar {
        canGoBack: page.StackView.index > 0
        onBackRequested: page.StackView.view.pop()
        TextField {
            id: field
            objectName: "searchField"
            Layout.fillWidth: true
            Layout.preferredWidth: page.width - 120
            placeholderText: qsTr("Search documents and folders")
            selectByMouse: true
            color: "white"
            placeholderTextColor: "#DDFFFFFF"
            Accessible.name: qsTr("Search")
            onTextChanged: controller.performSearch(text.trim())
        }
        IconButton {
            visible: field.text !== ""
            iconName: "close"
            text: qsTr("Clear")
            onClicked: field.clear()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        ProgressBar {
            Layout.fillWidth: true
            indeterminate: true
            visible: controller.connectionInProgress
        }
        ListView {
            id: list
            objectName: "searchResults"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: results
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Search results")
            ScrollBar.vertical: ScrollBar {}
            delegate: EntityDelegate {
                objectName: "result_" + model.name
                entityName: model.name
                isFile: model.is_file
                isFavorite: model.is_favorite
                isShared: model.is_shared
                timestamp: model.timestamp
                size: model.size
                iconTheme: page.session.iconTheme
                detail: controller.getFolderNames(results.mapToSource(results.index(index, 0)).row).join(" / ")
                openOnClick: true
                highlightedName: Format.highlight(model.name, page.pattern)
                onOpenRequested: {
                    if (!model.is_file)
                        page.session.openFolder(page.session.page("MyDocumentsPage.qml"), model.id, model.name)
                    else if (ExtensionChecker.isDocument(model.name))
                        page.session.openDocument(model.id, model.name)
                }
            }
            EmptyPlaceholder {
                anchors.centerIn: parent
                width: Math.min(parent.width - 32, 360)
                visible: list.count === 0 && !controller.connectionInProgress
                picture: field.text === "" ? EntitiesProvider.StartSearch
                         : (controller.connectionFailed ? EntitiesProvider.NoConnection : EntitiesProvider.Search)
                iconTheme: page.session.iconTheme
                title: field.text === "" ? qsTr("Type what you are looking for")
                       : (controller.connectionFailed ? qsTr("The search did not reach the portal") : qsTr("Nothing found"))
            }
        }
    }

    Component.onCompleted: field.forceActiveFocus()
}
