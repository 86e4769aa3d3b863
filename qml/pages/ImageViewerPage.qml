import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0
import "../components"

// One image fitted to the page; pinch or the wheel (with Ctrl or alone)
// zooms, dragging pans. A portal image is downloaded first; a local one
// (imagePath) is shown at once.
Page {
    id: page
    objectName: "imageViewerPage"

    property var session
    property string imageName
    property int imageId: -1
    property int folderType: RootDirectory.MyDocuments
    property string imagePath
    readonly property real minScale: 1
    readonly property real maxScale: 8
    property real zoom: 1

    title: imageName
    Accessible.name: title

    function zoomBy(factor) {
        zoom = Math.max(minScale, Math.min(maxScale, zoom * factor))
    }

    header: HeaderBar {
        title: page.imageName
        canGoBack: true
        onBackRequested: page.session.back()

        IconButton {
            objectName: "zoomResetButton"
            iconName: "refresh"
            text: qsTr("Fit to page")
            onClicked: page.zoom = 1
        }
    }

    ImageViewerController {
        id: viewer
        settings: page.session.settings
        dao: page.session.dao
        folderType: page.folderType
        onImageLoaded: page.imagePath = imagePath
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        ErrorBanner {
            Layout.fillWidth: true
            controller: viewer
            onRetryRequested: viewer.startLoadImage(page.imageName, page.imageId)
        }
        ProgressBar {
            objectName: "imageLoading"
            Layout.fillWidth: true
            indeterminate: true
            visible: viewer.connectionInProgress
        }
        Flickable {
            id: flick
            objectName: "imageFlick"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: Math.max(width, width * page.zoom)
            contentHeight: Math.max(height, height * page.zoom)
            ScrollBar.vertical: ScrollBar {}
            ScrollBar.horizontal: ScrollBar {}

            Image {
                id: image
                objectName: "image"
                width: flick.contentWidth
                height: flick.contentHeight
                fillMode: Image.PreserveAspectFit
                asynchronous: true
                source: page.imagePath === "" ? "" : "file://" + page.imagePath
                Accessible.role: Accessible.Graphic
                Accessible.name: page.imageName
            }

            PinchArea {
                anchors.fill: parent
                property real startZoom: 1
                onPinchStarted: startZoom = page.zoom
                onPinchUpdated: page.zoom = Math.max(page.minScale, Math.min(page.maxScale, startZoom * pinch.scale))
                MouseArea {
                    anchors.fill: parent
                    onWheel: page.zoomBy(wheel.angleDelta.y > 0 ? 1.25 : 0.8)
                    onDoubleClicked: page.zoom = page.zoom > 1 ? 1 : 2
                }
            }
        }
    }

    Shortcut { sequences: [StandardKey.ZoomIn]; onActivated: page.zoomBy(1.25) }
    Shortcut { sequences: [StandardKey.ZoomOut]; onActivated: page.zoomBy(0.8) }

    Component.onCompleted: {
        if (imagePath === "" && imageId >= 0)
            viewer.startLoadImage(imageName, imageId)
    }
}
