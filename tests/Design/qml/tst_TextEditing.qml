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

    TarvikTextField { id: bottomField; x: 24; y: root.height - 70; width: 345; placeholderText: "Комментарий" }

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
            // It sits at the bottom trailing corner, above the tab bar, clear of the field's row.
            verify(!coversRowOf(done, login))
            const doneBottom = done.mapToItem(root, 0, done.height).y
            verify(doneBottom <= root.height - toolbar.bottomMargin && doneBottom > root.height - toolbar.bottomMargin - 40)
            verify(done.mapToItem(root, done.width, 0).x > root.width - 40)
            mouseClick(done)
            tryCompare(login, "activeFocus", false)
            compare(toolbar.shown, false)
        }

        // The row of the edited field, from edge to edge, is never under the capsule.
        function coversRowOf(done, field) {
            const top = done.mapToItem(root, 0, 0).y
            const bottom = top + done.height
            const fieldTop = field.mapToItem(root, 0, 0).y
            return bottom > fieldTop && top < fieldTop + field.height
        }

        function test_toolbarStaysClearOfAFieldAtTheBottom() {
            bottomField.forceActiveFocus()
            tryCompare(toolbar, "field", bottomField)
            const done = findChild(toolbar, "keyboardDone")
            verify(!coversRowOf(done, bottomField))
            verify(done.mapToItem(root, 0, done.height).y <= bottomField.y)
        }

        function test_toolbarWorksOverASheet() {
            sheet.open()
            tryCompare(sheet, "opened", true)
            const field = sheet.item.field
            field.forceActiveFocus()
            tryCompare(toolbar, "field", field)
            const done = findChild(toolbar, "keyboardDone")
            verify(!coversRowOf(done, field))
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
