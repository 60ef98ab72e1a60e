import QtQuick
import QtTest
import Tarvik.Design

Item {
    id: root
    width: 393
    height: 852

    KeyboardDismissModifier {
        anchors.fill: parent

        Flickable {
            id: scroll
            width: parent.width
            height: 600
            contentHeight: 1200

            TarvikTextField { id: login; x: 24; y: 200; width: 345; placeholderText: "Введите логин" }
            TarvikTextField { id: password; x: 24; y: 300; width: 345; echoMode: TextInput.Password }
        }
    }

    KeyboardToolbar { id: toolbar }

    Sheet {
        id: sheet
        sourceComponent: Component {
            Item {
                property alias field: amount
                TarvikTextField { id: amount; x: 24; y: 300; width: 345; placeholderText: "Сумма" }
            }
        }
    }

    TestCase {
        name: "TextEditing"
        when: windowShown

        function init() {
            toolbar.active = true
            scroll.contentY = 0
            login.forceActiveFocus()
            verify(login.activeFocus)
        }

        function test_tapOutsideTheFieldEndsEditing_data() {
            return [{ tag: "on the scroll view", y: 500 }, { tag: "on the bare background", y: 700 }]
        }

        function test_tapOutsideTheFieldEndsEditing(data) {
            mouseClick(root, 200, data.y)
            tryCompare(login, "activeFocus", false)
        }

        function test_tapOnAnotherFieldMovesTheFocus() {
            mouseClick(password)
            tryCompare(password, "activeFocus", true)
            wait(50)
            verify(password.activeFocus)
        }

        function test_tapInsideTheFieldKeepsEditing() {
            mouseClick(login, 10, 10)
            wait(50)
            verify(login.activeFocus)
        }

        function test_dragDoesNotEndEditing() {
            mouseDrag(root, 200, 700, 0, -100)
            wait(50)
            verify(login.activeFocus)
        }

        function test_outlineFollowsFocus() {
            compare(login.background.border.width, 2)
            compare(login.background.border.color, Theme.tarPink)
            compare(password.background.border.width, 1)
            password.forceActiveFocus()
            compare(login.background.border.width, 1)
            compare(password.background.border.color, Theme.tarPink)
        }

        function test_toolbarDoneEndsEditing() {
            tryCompare(toolbar, "shown", true)
            const done = findChild(toolbar, "keyboardDone")
            verify(done.visible)
            // It floats just above the edited field, at its trailing edge.
            const doneBottom = done.mapToItem(root, 0, done.height).y
            verify(doneBottom <= login.y && doneBottom > login.y - 30)
            mouseClick(done)
            tryCompare(login, "activeFocus", false)
            compare(toolbar.shown, false)
        }

        function test_toolbarWorksOverASheet() {
            sheet.open()
            tryCompare(sheet, "opened", true)
            const field = sheet.item.field
            field.forceActiveFocus()
            tryCompare(toolbar, "field", field)
            const done = findChild(toolbar, "keyboardDone")
            verify(done.mapToItem(root, 0, done.height).y <= field.mapToItem(root, 0, 0).y)
            mouseClick(done)
            tryCompare(field, "activeFocus", false)
            compare(sheet.opened, true)
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        function test_toolbarOnlyWhileActive() {
            tryCompare(toolbar, "shown", true)
            toolbar.active = false
            compare(toolbar.shown, false)
        }
    }
}
