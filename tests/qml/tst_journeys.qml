import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import com.vellix.VellixOfficeAurora 1.0

// Signing in, browsing, the file and folder actions, a dead portal, sharing
// and signing out.
ApplicationTestCase {
    name: "Journeys"

    Clipboard { id: clipboard }

    function backToSections() {
        settled()
        loader.item.session.back()
        settled()
    }

    function test_signInBrowseActAndSignOut() {
        signedIn()
        var myDocuments = openSection(16)
        waitFor("entity_Welcome.docx", myDocuments)

        click("newEntryButton", myDocuments)
        waitFor("creationPage")
        click("kind_0")
        type("nameField", "Journey folder")
        click("createButton")
        waitFor("entity_Journey folder")

        menuOn("Journey folder", "rename")
        var dialog = waitOpened("renameDialog")
        find("nameField", dialog).text = "Renamed folder"
        accept(dialog)
        waitFor("entity_Renamed folder")
        waitGone("entity_Journey folder")

        menuOn("Notes.txt", "move")
        var chooser = waitOpened("selectFolderDialog")
        click("folder_Renamed folder", chooser)
        tryVerify(function() { return find("folder_Renamed folder", chooser) === null }, 20000)
        click("chooseFolderButton", chooser)
        waitClosed(chooser)
        waitGone("entity_Notes.txt")
        tryCompare(myDocuments.entities, "busy", false, 20000)

        menuOn("Renamed folder", "trash")
        waitGone("entity_Renamed folder")

        backToSections()
        var trash = openSection(134217728)
        waitFor("entity_Renamed folder", trash)
        menuOn("Renamed folder", "restore")
        waitGone("entity_Renamed folder")

        backToSections()
        myDocuments = openSection(16)
        click("entity_Renamed folder", myDocuments)
        tryCompare(loader.item.session.contentStack.currentItem, "title", "Renamed folder", 20000)
        waitFor("entity_Notes.txt", loader.item.session.contentStack.currentItem)
        backToSections()

        backToSections()
        click("accountButton", waitFor("rootPage"))
        waitFor("accountPage")
        compare(find("accountVersion").text, appVersion)
        click("signOutButton")
        waitFor("signInPage")
    }

    function test_deadPortalShowsTheBannerAndKeepsTheCachedRows() {
        signedIn()
        var page = openSection(16)
        waitFor("entity_Welcome.docx", page)
        var rows = findChild(page, "entityList").count

        testSetup.setFault("/api/v1/DocumentDirectory/Get", { mode: "status", status: 503, body: { error: "The portal is down" } })
        click("refreshButton", page)
        var banner = waitFor("errorBanner", page)
        verify(find("errorText", banner).text !== "")
        compare(findChild(page, "entityList").count, rows)
        waitFor("entity_Welcome.docx", page)

        testSetup.clearFaults()
        click("retryButton", banner)
        tryCompare(banner, "visible", false, 20000)
    }

    // The access settings of a document in My documents.
    function openAccessSettings(entityName) {
        menuOn(entityName, "share")
        var page = waitFor("accessSettingsPage")
        settled()
        return page
    }
    // The portal's access list of a document as sorted "u<id>:<level>" / "g<id>:<level>", and its links.
    function portalShare(id) {
        var found = { rights: [], links: [] }
        testSetup.portalState().shares.forEach(function(share) {
            if (share.EntityId !== id || share.EntityType !== EntityTypes.Document)
                return
            share.Users.forEach(function(u) { found.rights.push("u" + u.PrincipalId + ":" + u.Type) })
            share.Roles.forEach(function(r) { found.rights.push("g" + r.PrincipalId + ":" + r.Type) })
            share.Links.forEach(function(l) { found.links.push(l.LifeTime + ":" + l.AccessType) })
        })
        found.rights.sort()
        return found
    }
    function pick(dialogName, listName, row) {
        var dialog = waitOpened(dialogName)
        var list = findChild(dialog, listName)
        tryVerify(function() { return list.count > row && list.itemAtIndex(row) !== null }, 20000)
        mouseClick(list.itemAtIndex(row))
        tryCompare(list.itemAtIndex(row), "checked", true)
        accept(dialog)
    }
    // A level list's choice, by keys: each press one level further down.
    function chooseLevel(list, steps, expected) {
        list.forceActiveFocus()
        for (var i = 0; i < steps; ++i)
            keyClick(Qt.Key_Down)
        compare(list.currentText, expected)
    }

    function test_shareWithAUserAndAGroupThenGetTheLink() {
        signedIn()
        openSection(16)
        var page = openAccessSettings("Budget 2024.xlsx")
        waitFor("noAccessEntries", page)

        click("addUsersButton", page)
        var search = waitFor("userSearchField", page)
        search.text = "anna"
        search.forceActiveFocus()
        keyClick(Qt.Key_Return)
        pick("userPicker", "userResults", 0)

        click("addGroupsButton", page)
        var groups = findChild(waitFor("groupPicker"), "groupResults")
        tryCompare(groups, "count", 3)
        waitFor("groupFilterField", page).text = "manag"
        tryCompare(groups, "count", 1)
        pick("groupPicker", "groupResults", 0)

        var entries = findChild(page, "accessEntries")
        tryCompare(entries, "count", 2)
        compare(entries.itemAt(0).objectName, "accessEntry_Anna Petrova")
        tryCompare(entries.itemAt(1), "objectName", "accessEntry_Management")
        chooseLevel(findChild(entries.itemAt(0), "accessLevel"), 1, "Comment")

        click("saveAccessButton", page)
        waitGone("accessSettingsPage")
        compare(portalShare(1002).rights, ["g2:1", "u2:2"])

        page = openAccessSettings("Budget 2024.xlsx")
        entries = findChild(page, "accessEntries")
        tryCompare(entries, "count", 2)
        tryCompare(findChild(entries.itemAt(0), "accessLevel"), "currentText", "Comment")
        chooseLevel(findChild(page, "linkLevel"), 2, "Edit")
        click("getLinkButton", page)
        var link = waitFor("externalLink", page)
        verify(link.text.indexOf(testSetup.portalUrl + "/link/") === 0, link.text)
        compare(portalShare(1002).links, ["10:5"])
        click("externalCopyButton", page)
        compare(clipboard.text, link.text)
    }

    function test_refusedSaveKeepsThePageWithTheError() {
        signedIn()
        openSection(16)
        var page = openAccessSettings("Welcome.docx")
        var entries = findChild(page, "accessEntries")
        tryCompare(entries, "count", 1)
        click("removeAccessButton", entries.itemAt(0))
        tryCompare(entries, "count", 0)
        testSetup.setFault("/api/v1/Documents/UnShareBulk",
                           { status: 500, body: { Status: 500, ErrorMessage: "Storage is offline" } })
        click("saveAccessButton", page)
        tryCompare(waitFor("errorText", page), "text", "Storage is offline. Error 500.")
        verify(find("accessSettingsPage") !== null)
        compare(portalShare(1001).rights, ["u2:1"])
    }
}
