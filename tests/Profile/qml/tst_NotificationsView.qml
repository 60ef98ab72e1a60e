import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Profile
import TarvikTest

Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage { title: "Главная" }
    }

    Component {
        id: inboxComponent
        NotificationsView {}
    }

    StoredPreference {
        id: unread
        key: "tarvikUnreadNotificationIDs"
    }
    StoredPreference {
        id: deleted
        key: "tarvikDeletedNotificationIDs"
    }

    // What the home bell reads.
    NotificationInbox {
        id: bell
    }

    TestCase {
        name: "NotificationsView"
        when: windowShown

        function init() {
            verify(Account.reset())
        }

        function cleanup() {
            stack.popToRoot()
            tryCompare(stack, "busy", false)
        }

        function open() {
            const page = stack.push(inboxComponent, {}, 1)
            tryCompare(stack, "busy", false)
            return page
        }

        function rows(page) {
            const found = []
            for (let id = 0; id < 4; ++id) {
                const row = findChild(page, "noteRow" + id)
                if (row)
                    found.push(id)
            }
            return found
        }

        function dot(page, id) {
            return findChild(findChild(page, "noteRow" + id), "unreadDot").visible
        }

        function test_readAndDelete() {
            const page = open()
            compare(rows(page), [0, 1, 2, 3])
            verify(dot(page, 0) && dot(page, 1) && !dot(page, 2))
            verify(findChild(page, "unreadHeader").visible)
            verify(!findChild(page, "nothingNewCard").visible)
            compare(bell.unreadCount, 2)
            grabImage(root).save(Account.screenshotPath("profile-inbox"))

            // A tap marks read and opens the note; the bell follows at once.
            mouseClick(findChild(page, "noteRow1"))
            compare(unread.value, "0")
            compare(bell.unreadCount, 1)
            const sheet = findChild(page, "detailSheet")
            tryCompare(sheet, "opened", true)
            compare(sheet.item.note.title, "Новый тариф Tarvik 700")
            grabImage(root).save(Account.screenshotPath("profile-inbox-detail"))
            mouseClick(findChild(sheet.item, "doneButton"))
            tryCompare(sheet, "visible", false)
            compare(rows(page), [0, 1, 2, 3])
            verify(!dot(page, 1))

            // Deleting from the sheet.
            mouseClick(findChild(page, "noteRow0"))
            compare(unread.value, "")
            compare(bell.unreadCount, 0)
            tryCompare(sheet, "opened", true)
            mouseClick(findChild(sheet.item, "deleteButton"))
            tryCompare(sheet, "visible", false)
            compare(deleted.value, "0")
            compare(rows(page), [1, 2, 3])
            verify(findChild(page, "nothingNewCard").visible)
            verify(!findChild(page, "unreadHeader").visible)

            // Deleting from a row's menu; the deleted key stays sorted.
            const row3 = findChild(page, "noteRow3")
            mouseClick(row3, row3.width / 2, row3.height / 2, Qt.RightButton)
            const menu = findChild(row3, "rowMenu")
            tryCompare(menu, "opened", true)
            menu.trigger(menu.buttons[0])
            compare(deleted.value, "0,3")
            compare(rows(page), [1, 2])
            compare(unread.value, "")
        }

        function test_readAll() {
            const page = open()
            mouseClick(findChild(page, "readAllButton"))
            compare(unread.value, "")
            compare(bell.unreadCount, 0)
            verify(findChild(page, "nothingNewCard").visible)
            verify(!dot(page, 0) && !dot(page, 1))
            compare(deleted.value, "")
            grabImage(root).save(Account.screenshotPath("profile-inbox-read"))
        }

        function test_damagedText() {
            unread.value = " 1,x,,2,"
            const page = open()
            verify(findChild(page, "unreadHeader").visible)
            verify(!dot(page, 1) && dot(page, 2))
            mouseClick(findChild(page, "noteRow2"))
            compare(unread.value, "")
            findChild(page, "detailSheet").close()
            tryCompare(findChild(page, "detailSheet"), "visible", false)
        }

        function test_allDeleted() {
            deleted.value = "0,1,2,3"
            unread.value = ""
            const page = open()
            compare(rows(page), [])
            verify(findChild(page, "nothingNewCard").visible)
            verify(!findChild(page, "noteList").visible)
        }
    }
}
