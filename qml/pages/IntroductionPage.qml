import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import QtQuick.Layouts 1.12
import com.vellix.VellixOfficeAurora 1.0

// Five steps that tell a new user what the application does.
Page {
    id: page
    property var session

    objectName: "introductionPage"

    readonly property var steps: [
        { title: qsTr("Your documents, everywhere"), text: qsTr("Open the documents, spreadsheets and presentations of your portal on your phone or desktop.") },
        { title: qsTr("Sections and folders"), text: qsTr("Browse My documents, what colleagues made available to you, the favorites, the last documents and the trash.") },
        { title: qsTr("Create and edit"), text: qsTr("Create documents and folders, rename, copy and move them, and edit in the portal's editor.") },
        { title: qsTr("Work together"), text: qsTr("Share documents and folders with people and groups of your company.") },
        { title: qsTr("Safe on the device"), text: qsTr("What you keep on the device stays in an encrypted store; the lists stay readable without a connection.") }
    ]

    function finish() {
        page.session.signIn()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 8

        Button {
            objectName: "skipButton"
            Layout.alignment: Qt.AlignRight
            flat: true
            text: qsTr("Skip")
            Accessible.name: text
            onClicked: page.finish()
        }
        SwipeView {
            id: swipe
            objectName: "introSteps"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            Repeater {
                model: page.steps.length
                Item {
                    Column {
                        anchors.centerIn: parent
                        width: Math.min(swipe.width - 16, 520)
                        spacing: 16
                        Image {
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: Math.min(parent.width, 400)
                            height: width * 0.75
                            source: EntitiesProvider.getIntroIcon(index + 1, page.session.iconTheme)
                            fillMode: Image.PreserveAspectFit
                            Accessible.ignored: true
                        }
                        Label {
                            width: parent.width
                            text: page.steps[index].title
                            font.pixelSize: 24
                            font.weight: Font.Medium
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Label.Wrap
                        }
                        Label {
                            width: parent.width
                            text: page.steps[index].text
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Label.Wrap
                            opacity: 0.75
                        }
                    }
                }
            }
        }
        PageIndicator {
            Layout.alignment: Qt.AlignHCenter
            count: swipe.count
            currentIndex: swipe.currentIndex
            interactive: true
            onCurrentIndexChanged: swipe.currentIndex = currentIndex
            Accessible.name: qsTr("Step %1 of %2").arg(swipe.currentIndex + 1).arg(swipe.count)
        }
        Button {
            objectName: "nextButton"
            Layout.fillWidth: true
            Layout.maximumWidth: 440
            Layout.alignment: Qt.AlignHCenter
            highlighted: true
            text: swipe.currentIndex === swipe.count - 1 ? qsTr("Start") : qsTr("Next")
            Accessible.name: text
            onClicked: swipe.currentIndex === swipe.count - 1 ? page.finish() : swipe.incrementCurrentIndex()
        }
    }
    Keys.onRightPressed: swipe.incrementCurrentIndex()
    Keys.onLeftPressed: swipe.decrementCurrentIndex()
    Component.onCompleted: forceActiveFocus()
}
