import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12

// A portal image in the viewer: fitted to the page, zoomed and fitted again.
Item {
    width: 400
    height: 760

    Loader {
        id: loader
        anchors.fill: parent
    }

    ApplicationTestCase {
        name: "ImageViewer"
        loader: loader

        function test_imageFitsThePage() {
            testSetup.forgetSettings()
            start()
            waitFor("introductionPage")
            click("skipButton")
            signIn(testSetup.demoPassword)
            waitFor("portalPage")
            var session = loader.item.session
            session.openOnRoot("ImageViewerPage.qml", { imageId: 1006, imageName: "Logo.png" })
            var page = waitFor("imageViewerPage")
            var image = findChild(page, "image")
            tryCompare(image, "status", Image.Ready, 20000)
            verify(image.paintedWidth <= page.width && image.paintedHeight <= page.height)
            var flick = findChild(page, "imageFlick")
            var fitted = flick.contentWidth
            page.zoomBy(2)
            compare(flick.contentWidth, fitted * 2)
            click("zoomResetButton", page)
            compare(flick.contentWidth, fitted)
        }
    }
}
