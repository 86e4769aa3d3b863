import QtQuick 2.12
import QtQuick.Controls 2.12
import QtTest 1.12
import com.vellix.VellixOfficeAurora 1.0

// The access settings of a document: share it with a user and a group, get
// its link, and a save the portal refuses.
Item {
    width: 400
    height: 760

    Loader {
        id: loader
        anchors.fill: parent
    }

    Clipboard { id: clipboard }

    ApplicationTestCase {
        name: "Sharing"
        loader: loader

        // A list's delegates are not its children: they are reached by row, scrolled into view.
        function rowNamed(list, name) {
            var found = null
            tryVerify(function() {
                for (var row = 0; row < list.count && found === null; ++row) {
                    if (list.itemAtIndex(row) === null)
                        list.positionViewAtIndex(row, ListView.Contain)
                    var item = list.itemAtIndex(row)
                    if (item !== null && item.objectName === name)
                        found = item
                }
                return found !== null
            }, 20000, name + " never showed")
            settled()
            return found
        }
        function openMyDocuments() {
            testSetup.forgetSettings()
            start()
            click("skipButton")
            signIn(testSetup.demoPassword)
            // Rows move while the list fills, so they are triggered rather than clicked at a place.
            rowNamed(findChild(waitFor("portalPage"), "sectionsList"), "section_16").clicked()
            return waitFor("sectionPage_16")
        }
        function openAccessSettings(section, entityName) {
            var delegate = rowNamed(findChild(section, "entityList"), "entity_" + entityName)
            delegate.menuRequested(delegate.width / 2, delegate.height / 2)
            var menu = findChild(section, "entityMenu")
            tryCompare(menu, "opened", true)
            for (var i = 0; i < menu.count; ++i) {
                if (menu.itemAt(i).objectName === "menu_share")
                    mouseClick(menu.itemAt(i))
            }
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
            var dialog = waitFor(dialogName)
            tryCompare(dialog, "opened", true)
            var list = findChild(dialog, listName)
            tryVerify(function() { return list.count > row && list.itemAtIndex(row) !== null }, 20000)
            mouseClick(list.itemAtIndex(row))
            tryCompare(list.itemAtIndex(row), "checked", true)
            settled()
            mouseClick(dialog.standardButton(Dialog.Ok))
            tryCompare(dialog, "visible", false)
        }

        function test_shareWithAUserAndAGroupThenGetTheLink() {
            var section = openMyDocuments()
            var page = openAccessSettings(section, "Budget 2024.xlsx")
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
            // The user may comment: one level down the list from read only.
            var level = findChild(entries.itemAt(0), "accessLevel")
            level.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(level.currentText, "Comment")

            click("saveAccessButton", page)
            waitGone("accessSettingsPage")
            compare(portalShare(1002).rights, ["g2:1", "u2:2"])

            page = openAccessSettings(section, "Budget 2024.xlsx")
            entries = findChild(page, "accessEntries")
            tryCompare(entries, "count", 2)
            tryCompare(findChild(entries.itemAt(0), "accessLevel"), "currentText", "Comment")
            var linkLevel = findChild(page, "linkLevel")
            linkLevel.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(linkLevel.currentText, "Edit")
            click("getLinkButton", page)
            var link = waitFor("externalLink", page)
            verify(link.text.indexOf(testSetup.portalUrl + "/link/") === 0, link.text)
            compare(portalShare(1002).links, ["10:5"])
            click("externalCopyButton", page)
            compare(clipboard.text, link.text)
        }

        function test_refusedSaveKeepsThePageWithTheError() {
            var page = openAccessSettings(openMyDocuments(), "Welcome.docx")
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
}
