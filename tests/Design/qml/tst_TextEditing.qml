import QtQuick
import QtTest
import Tarvik.Design

Item {
    id: root
    width: 393
    height: 852

    // As the app's window: the content ends above the keyboard's bar.
    KeyboardDismissModifier {
        id: content
        anchors.fill: parent
        anchors.bottomMargin: TextEditing.keyboardHeight

        Flickable {
            id: scroll
            width: parent.width
            height: parent.height - 100
            contentHeight: column.y + column.height + 40

            Column {
                id: column
                x: 24
                y: 200
                width: 345
                spacing: 50
                TarvikTextField { id: login; width: parent.width; placeholderText: "Введите логин" }
                TarvikTextField { id: password; width: parent.width; echoMode: TextInput.Password }
                Item { width: 1; height: 600 }
                TarvikTextField { id: farField; width: parent.width; placeholderText: "Ниже экрана" }
                TextEdit { id: editor; width: parent.width; wrapMode: TextEdit.Wrap; font.pixelSize: 17 }
            }
        }

        TarvikTextField { id: bottomField; x: 24; anchors.bottom: parent.bottom; width: 345; placeholderText: "Комментарий" }
    }

    KeyboardToolbar { id: toolbar }
    FocusScroller {}

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
            // A strip of its own across the bottom of the window, "Готово" at its trailing end;
            // the content ends above it.
            compare(TextEditing.keyboardHeight, toolbar.stripHeight)
            compare(content.height, root.height - toolbar.stripHeight)
            const doneRect = done.mapToItem(root, 0, 0, done.width, done.height)
            verify(doneRect.y >= root.height - toolbar.stripHeight)
            verify(doneRect.x + doneRect.width > root.width - 40)
            mouseClick(done)
            tryCompare(login, "activeFocus", false)
            compare(toolbar.shown, false)
            compare(TextEditing.keyboardHeight, 0)
            compare(content.height, root.height)
        }

        function below(item, edge) {
            return item.mapToItem(root, 0, 0).y + item.height <= edge
        }

        function test_fieldAtTheBottomMovesAboveTheBar() {
            bottomField.forceActiveFocus()
            tryCompare(toolbar, "field", bottomField)
            verify(below(bottomField, root.height - toolbar.stripHeight))
        }

        // A field further down than the view shows is scrolled into view above the bar, with a
        // margin; one already in view stays where it is.
        function test_editedFieldIsScrolledIntoView() {
            compare(scroll.contentY, 0)
            password.forceActiveFocus()
            wait(0)
            compare(scroll.contentY, 0)
            farField.forceActiveFocus()
            tryVerify(() => below(farField, scroll.height - 16 + 0.5) && farField.mapToItem(scroll, 0, 0).y >= 0)
        }

        // A tap on a field at the lower edge of the view moves the focus there and scrolls the
        // field up; the release, now outside it, does not end editing.
        function test_tapOnAFieldThatScrollsKeepsEditing() {
            const top = farField.mapToItem(scroll.contentItem, 0, 0).y
            scroll.contentY = top - scroll.height + 12
            mouseClick(scroll, 100, scroll.height - 6)
            tryCompare(farField, "activeFocus", true)
            tryVerify(() => below(farField, scroll.height))
            wait(50)
            verify(farField.activeFocus)
        }

        // A text area that grows as it is typed into keeps the line of its cursor in view.
        function test_growingEditorKeepsItsCursorInView() {
            editor.forceActiveFocus()
            editor.text = ""
            for (let line = 0; line < 30; ++line)
                editor.insert(editor.length, "строка " + line + "\n")
            tryVerify(() => {
                const cursor = editor.mapToItem(scroll, editor.cursorRectangle.x, editor.cursorRectangle.y)
                return cursor.y >= 0 && cursor.y + editor.cursorRectangle.height <= scroll.height
            })
        }

        function test_toolbarWorksOverASheet() {
            sheet.open()
            tryCompare(sheet, "opened", true)
            const field = sheet.item.field
            field.forceActiveFocus()
            tryCompare(toolbar, "field", field)
            // The sheet ends above the bar as well.
            verify(below(sheet.contentItem, root.height - toolbar.stripHeight + 0.5))
            const done = findChild(toolbar, "keyboardDone")
            mouseClick(done)
            tryCompare(field, "activeFocus", false)
            compare(sheet.opened, true)
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        // The window's handler does not reach a sheet: the sheet has its own.
        function test_tapOutsideAFieldInASheetEndsEditing() {
            sheet.open()
            tryCompare(sheet, "opened", true)
            const field = sheet.item.field
            field.forceActiveFocus()
            mouseClick(sheet.contentItem, 200, 100)
            tryCompare(field, "activeFocus", false)
            compare(sheet.opened, true)
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        function test_toolbarOnlyWhileActive() {
            tryCompare(toolbar, "shown", true)
            toolbar.active = false
            compare(toolbar.shown, false)
            compare(TextEditing.keyboardHeight, 0)
        }
    }
}
