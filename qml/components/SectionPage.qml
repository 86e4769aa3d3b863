import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// A section or folder page: the header with search, sorting, refresh and
// selection, the list of entries and the creation button where new entries
// can be made. The page files set the controller and what the section allows.
Page {
    id: page

    property var session
    property int folderId: -1
    property int sectionType: RootDirectory.MyDocuments
    property QtObject controller
    property var fileActionNames: []
    property var folderActionNames: []
    property var selectionActionNames: []
    property bool canCreate: false
    property bool showPath: false
    property int emptyPicture: EntitiesProvider.Folder
    property string emptyTitle: qsTr("This folder is empty")
    property string emptyHint
    property alias entities: entities
    default property alias extraActions: moreMenu.contentData
    property int pathRevision: 0

    function load() {
        if (controller)
            controller.loadFoldersAndFiles(folderId)
    }
    function openCreation() {
        session.openOnContent("CreationPage.qml", { parentId: folderId }).created.connect(load)
    }

    title: EntitiesProvider.directoryName(sectionType)
    objectName: "sectionPage_" + sectionType
    Accessible.name: title

    header: HeaderBar {
        title: page.title
        canGoBack: page.StackView.index > 0
        showSectionsButton: !page.session.wide
        onBackRequested: page.StackView.view.pop()
        onSectionsRequested: page.session.showSections()

        IconButton {
            objectName: "searchButton"
            iconName: "search"
            text: qsTr("Search")
            onClicked: entities.searchRequested()
        }
        IconButton {
            objectName: "sortButton"
            iconName: "sort"
            text: qsTr("Sort")
            onClicked: sortMenu.popup(this, 0, height)
        }
        IconButton {
            objectName: "refreshButton"
            iconName: "refresh"
            text: qsTr("Refresh")
            onClicked: page.load()
        }
        IconButton {
            objectName: "selectButton"
            visible: page.selectionActionNames.length > 0
            iconName: "select"
            text: qsTr("Select")
            checkable: true
            checked: entities.selectionMode
            onToggled: entities.selectionMode = checked
        }
        IconButton {
            objectName: "moreButton"
            visible: moreMenu.count > 0
            iconName: "more"
            text: qsTr("More")
            onClicked: moreMenu.popup(this, 0, height)
        }
    }

    SortMenu {
        id: sortMenu
        settings: page.session.settings
    }
    Menu {
        id: moreMenu
        objectName: "moreMenu"
    }

    Connections {
        target: page.session.dao
        function onFilesAndFoldersChanged() { page.pathRevision++ }
    }

    EntitiesView {
        id: entities
        anchors.fill: parent
        session: page.session
        controller: page.controller
        sectionType: page.sectionType
        folderId: page.folderId
        folderPageUrl: page.session.page(EntitiesProvider.qmlPageName(page.sectionType))
        fileActionNames: page.fileActionNames
        folderActionNames: page.folderActionNames
        selectionActionNames: page.selectionActionNames
        active: page.StackView.status === StackView.Active && page.session.rootStack.depth === 1
        emptyPicture: page.emptyPicture
        emptyTitle: page.emptyTitle
        emptyHint: page.emptyHint
        rootTitle: EntitiesProvider.directoryName(page.sectionType)
        path: page.showPath && page.pathRevision >= 0 && page.folderId > 0 && page.session.portal
              ? page.session.portal.retrieveFoldersPath(page.folderId) : []
        onRefreshRequested: page.load()
        onSearchRequested: page.session.openOnContent("SearchPage.qml", { searchFolder: page.folderId })
        onPathChosen: {
            var stack = page.StackView.view
            var steps = path.length - 1 - depth
            var target = stack.get(Math.max(0, page.StackView.index - steps))
            stack.pop(target)
        }
    }

    RoundButton {
        objectName: "newEntryButton"
        visible: page.canCreate && !entities.selectionMode
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 20
        width: 60
        height: 60
        highlighted: true
        icon.source: "../icons/actions/add.svg"
        icon.width: 26
        icon.height: 26
        text: qsTr("Create")
        display: AbstractButton.IconOnly
        Accessible.name: text
        ToolTip.visible: hovered
        ToolTip.text: text
        onClicked: page.openCreation()
    }

    Shortcut {
        sequences: [StandardKey.New]
        enabled: page.canCreate && entities.active
        onActivated: page.openCreation()
    }

    Component.onCompleted: load()
}
