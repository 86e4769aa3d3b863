import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Controls.Material 2.12
import com.vellix.VellixOfficeAurora 1.0
import "components"

// Creates the one settings and cache objects, brings the cache schema up to
// date before anything reads it, and chooses the first page: the
// introduction on a first start, the sign-in page, or a token refresh.
Page {
    id: app
    objectName: "application"
    width: 1280
    height: 800

    readonly property bool darkTheme: Material.theme === Material.Dark
    property alias session: session

    Settings { id: settings }
    DataAccessObject { id: dao }
    Migrations { id: migrations; db: dao.db }

    Session {
        id: session
        settings: settings
        dao: dao
        iconTheme: app.darkTheme ? 1 : 0
        wide: app.width >= 840 && app.width > app.height
        rootStack: rootStack
        transfers: transfers
        onThemeToggleRequested: app.Material.theme = app.darkTheme ? Material.Light : Material.Dark
    }

    StackView {
        id: rootStack
        objectName: "rootStack"
        anchors.fill: parent
    }

    TransfersPanel {
        id: transfers
        session: session
    }

    Shortcut {
        sequences: [StandardKey.Back, "Backspace", "Esc"]
        enabled: rootStack.depth > 1 || (session.contentStack !== null && session.contentStack.depth > 1)
        onActivated: session.back()
    }

    // Start screen with the name and version, shown until the first page is up.
    Rectangle {
        id: startScreen
        anchors.fill: parent
        color: app.Material.background
        visible: rootStack.depth === 0
        Column {
            anchors.centerIn: parent
            spacing: 12
            Label {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "VellixOffice"
                font.pixelSize: 32
                font.bold: true
                color: app.Material.accent
            }
            Label {
                objectName: "applicationVersion"
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Version %1").arg(appVersion)
                opacity: 0.7
            }
        }
    }

    function firstPage() {
        // Nothing was ever typed into the sign-in page: a first start.
        if (settings.login === "" && settings.portalAddress === "")
            return "IntroductionPage.qml"
        if (settings.accessToken !== "")
            return "SplashPage.qml"
        return "SignInPage.qml"
    }

    Component.onCompleted: {
        migrations.performMigration()
        rootStack.push(session.page(firstPage()), { session: session })
    }
}
