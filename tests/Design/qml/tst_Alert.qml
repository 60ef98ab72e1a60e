import QtQuick
import QtTest
import Tarvik.Design

Item {
    id: root
    width: 393
    height: 852

    property string errorMessage: ""
    property string triggered: ""

    Alert {
        id: alert
        presented: root.errorMessage.length > 0
        title: "Не удалось оформить"
        message: root.errorMessage.length > 0 ? root.errorMessage : "Попробуйте позже"
        onClosed: root.errorMessage = ""
    }

    Component {
        id: buttonComponent
        AlertButton { }
    }

    SignalSpy {
        id: closedSpy
        target: alert
        signalName: "closed"
    }

    TestCase {
        name: "Alert"
        when: windowShown

        function init() {
            root.triggered = ""
            closedSpy.clear()
        }

        function makeButtons(rows) {
            const buttons = []
            for (const row of rows) {
                const button = buttonComponent.createObject(alert, { text: row[0], role: row[1] })
                button.triggered.connect(() => root.triggered += row[0] + ";")
                buttons.push(button)
            }
            alert.buttons = buttons
        }

        function shownTexts() {
            const texts = []
            function walk(item) {
                if (item.role !== undefined && item.text !== undefined && item.clicked !== undefined)
                    texts.push(item)
                for (let i = 0; i < item.children.length; ++i)
                    walk(item.children[i])
            }
            walk(alert.contentItem)
            texts.sort((a, b) => a.mapToItem(null, 0, 0).y - b.mapToItem(null, 0, 0).y || a.mapToItem(null, 0, 0).x - b.mapToItem(null, 0, 0).x)
            return texts
        }

        function test_buttonOrderAndAction_data() {
            return [
                { tag: "two: cancel first", buttons: [["Повторить", AlertButton.Default], ["Закрыть", AlertButton.Cancel]],
                  order: ["Закрыть", "Повторить"], press: "Повторить" },
                { tag: "three: cancel last", buttons: [["Отмена", AlertButton.Cancel], ["Удалить только у меня", AlertButton.Destructive],
                                                       ["Удалить у всех", AlertButton.Destructive]],
                  order: ["Удалить только у меня", "Удалить у всех", "Отмена"], press: "Удалить у всех" },
                { tag: "one", buttons: [["Понятно", AlertButton.Cancel]], order: ["Понятно"], press: "Понятно" },
            ]
        }

        function test_buttonOrderAndAction(data) {
            makeButtons(data.buttons)
            root.errorMessage = "Личный кабинет временно недоступен"
            tryCompare(alert, "opened", true)
            const shown = shownTexts()
            compare(shown.map(b => b.text), data.order)
            mouseClick(shown.find(b => b.text === data.press))
            closedSpy.wait()
            compare(root.triggered, data.press + ";")
            compare(root.errorMessage, "")
            compare(alert.visible, false)
        }

        // Escape presses the cancel button, or the only button there is; between other choices
        // it does nothing.
        function test_escape_data() {
            return [
                { tag: "cancel of two", buttons: [["Повторить", AlertButton.Default], ["Закрыть", AlertButton.Cancel]], pressed: "Закрыть;" },
                { tag: "the only one", buttons: [["Готово", AlertButton.Default]], pressed: "Готово;" },
                { tag: "the plain OK", buttons: [], pressed: "" },
                { tag: "a choice", buttons: [["Удалить", AlertButton.Destructive], ["Оставить", AlertButton.Default]], pressed: null },
            ]
        }

        function test_escape(data) {
            makeButtons(data.buttons)
            root.errorMessage = "Личный кабинет временно недоступен"
            tryCompare(alert, "opened", true)
            keyClick(Qt.Key_Escape)
            // Escape is handled as it is pressed: a closing alert is no longer opened.
            if (data.pressed === null) {
                verify(alert.opened)
                alert.close()
            }
            closedSpy.wait()
            compare(root.triggered, data.pressed ?? "")
        }

        function test_nextFailureShowsItAgain() {
            makeButtons([["Понятно", AlertButton.Cancel]])
            for (let round = 0; round < 2; ++round) {
                root.errorMessage = "Ошибка " + round
                tryCompare(alert, "opened", true)
                mouseClick(shownTexts()[0])
                closedSpy.wait()
            }
            compare(root.triggered, "Понятно;Понятно;")
        }
    }
}
