import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Qt.labs.folderlistmodel 2.12
import Qt.labs.platform 1.1 as Platform
import "../components"

// Picks a file of the device to upload, or the folder a download goes to.
Page {
    id: page
    property var session
    property bool pickFolder: false

    signal chosen(string path)

    objectName: "localFilePickerPage"
    title: pickFolder ? qsTr("Save into") : qsTr("Choose a file")

    function localPath(url) {
        return decodeURIComponent(url.toString().replace(/^file:\/\//, ""))
    }
    function choose(path) {
        page.StackView.view.pop()
        page.chosen(path)
    }

    FolderListModel {
        id: files
        folder: Platform.StandardPaths.writableLocation(Platform.StandardPaths.HomeLocation)
        showDirsFirst: true
        showDotAndDotDot: false
        showFiles: !page.pickFolder
    }

    header: HeaderBar {
        title: page.title
        subtitle: page.localPath(files.folder)
        canGoBack: true
        onBackRequested: page.StackView.view.pop()
        IconButton {
            objectName: "folderUpButton"
            iconName: "home"
            text: qsTr("Up")
            enabled: page.localPath(files.folder) !== "/"
            onClicked: files.folder = files.parentFolder
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        ListView {
            objectName: "localFiles"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: files
            ScrollBar.vertical: ScrollBar {}
            delegate: EntityDelegate {
                entityName: fileName
                isFile: !fileIsDir
                timestamp: fileModified
                size: fileIsDir ? -1 : fileSize
                iconTheme: page.session.iconTheme
                openOnClick: true
                onOpenRequested: fileIsDir ? files.folder = fileURL : page.choose(filePath)
            }
        }
        Button {
            objectName: "chooseFolderButton"
            visible: page.pickFolder
            Layout.fillWidth: true
            Layout.margins: 12
            highlighted: true
            text: qsTr("Save here")
            Accessible.name: text
            onClicked: page.choose(page.localPath(files.folder))
        }
    }
}
