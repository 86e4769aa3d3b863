import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12

// A page with a centred, scrollable column of fields: the account pages.
Page {
    id: page
    property var session
    property bool canGoBack: StackView.index > 0
    default property alias fields: column.data

    header: HeaderBar {
        title: page.title
        canGoBack: page.canGoBack
        onBackRequested: page.StackView.view.pop()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.height + 48
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            width: Math.min(page.width - 48, 440)
            x: (page.width - width) / 2
            y: 24
            spacing: 12
        }
    }
}
