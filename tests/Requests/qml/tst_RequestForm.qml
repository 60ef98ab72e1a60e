import QtQuick
import QtQuick.Layouts
import QtTest
import Tarvik.Design
import Tarvik.Requests

Item {
    id: root
    width: 393
    height: 852

    Component {
        id: formComponent

        RequestFormScreen {
            id: form

            readonly property alias phoneField: phone
            readonly property alias button: sendButton

            heroAsset: "RelocationPromo"
            showsBackButton: true
            confirmationTitle: "Заявка отправлена"
            confirmationMessage: "Проверка"

            RequestFormTitle {
                Layout.fillWidth: true
                title: "Заголовок\nформы"
                description: "Описание"
            }
            PhoneInputField {
                id: phone
                Layout.fillWidth: true
                title: "Телефон"
            }
            RequestSendButton {
                id: sendButton
                Layout.fillWidth: true
                caption: "ОТПРАВИТЬ"
                sending: form.request.sending
                valid: RequestRules.relocationValid("Ленина, 1", phone.phone)
                onClicked: form.request.send()
            }
        }
    }

    Component {
        id: coverComponent
        NavigationPage { title: "Поверх формы" }
    }

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: Item {}
    }

    SignalSpy {
        id: openedSpy
        signalName: "aboutToShow"
    }

    ConfirmationSend {
        id: sentinel
        delay: 600
    }

    TestCase {
        name: "RequestForm"
        when: windowShown

        function cleanup() {
            stack.popToRoot()
        }

        function openForm() {
            const form = stack.push(formComponent, {}, 1)
            verify(form)
            tryCompare(stack, "busy", false)
            return form
        }

        function type(text) {
            for (const c of text)
                keyClick(c)
        }

        function test_phoneFieldAndSending() {
            const form = openForm()
            compare(form.phoneField.phone, "+7 ")
            compare(form.button.enabled, false)
            mouseClick(form.phoneField)
            form.phoneField.cursorPosition = form.phoneField.length
            type("a912")
            compare(form.phoneField.phone, "+7 912")
            compare(form.phoneField.text, "+7 912")
            type("3456789")
            compare(form.phoneField.phone, "+7 9123456789")
            type("0")
            compare(form.phoneField.phone, "+7 9123456789")
            verify(form.button.enabled)

            mouseClick(form.button)
            compare(form.button.text, "ОТПРАВЛЯЕМ…")
            verify(!form.button.enabled)
            mouseClick(form.button)
            tryCompare(form.request, "confirmed", true)
            compare(form.button.text, "ОТПРАВИТЬ")
            verify(form.button.enabled)

            const sheet = findChild(form, "confirmationSheet")
            tryCompare(sheet, "opened", true)
            sheet.close()
            tryCompare(form.request, "confirmed", false)
            compare(form.phoneField.phone, "+7 9123456789")

            // A second send shows the sheet again.
            mouseClick(form.button)
            tryCompare(form.request, "confirmed", true)
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        function test_cancelledWaitShowsTheAlert() {
            const form = openForm()
            form.request.send()
            form.request.cancel()
            const alert = findChild(form, "requestErrorAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Не удалось отправить")
            verify(alert.message.length > 0)
            alert.trigger(alert.buttons[0])
            tryCompare(form.request, "hasError", false)
            tryCompare(alert, "visible", false)
        }

        function test_backButtonAndClosedWhileWaiting() {
            const form = openForm()
            openedSpy.target = findChild(form, "confirmationSheet")
            form.request.send()
            const back = findChild(form, "roundBackButton")
            verify(back.visible)
            mouseClick(back)
            tryCompare(stack, "depth", 1)
            tryCompare(stack, "busy", false)
            // The popped form is gone before its wait would have ended; nothing comes up while a
            // longer wait runs out.
            sentinel.send()
            tryCompare(sentinel, "confirmed", true)
            compare(stack.depth, 1)
            compare(openedSpy.count, 0)
        }

        // A wait that ends while another screen covers the form shows nothing over that screen;
        // the sheet comes up once the form is back on top.
        function test_waitEndingWhileCoveredWaitsForTheForm() {
            const form = openForm()
            const sheet = findChild(form, "confirmationSheet")
            openedSpy.target = sheet
            openedSpy.clear()
            form.request.send()
            stack.push(coverComponent, {}, 1)
            tryCompare(stack, "busy", false)
            tryCompare(form.request, "confirmed", true)
            compare(openedSpy.count, 0)
            stack.pop(form)
            tryCompare(stack, "busy", false)
            tryCompare(sheet, "opened", true)
            sheet.close()
            tryCompare(form.request, "confirmed", false)
        }

        // A wait that ends while the form slides away (back) shows nothing on the screen behind.
        function test_waitEndingWhileLeavingShowsNothing() {
            const form = openForm()
            const sheet = findChild(form, "confirmationSheet")
            openedSpy.target = sheet
            openedSpy.clear()
            form.request.delay = 1
            const seen = []
            form.request.confirmedChanged.connect(() => seen.push(form.onScreen))
            form.request.send()
            stack.pop()
            tryCompare(stack, "busy", false)
            compare(seen, [false])
            compare(openedSpy.count, 0)
        }

        // The title is a heading a screen reader reads in one line.
        function test_titleIsOneHeading() {
            const form = openForm()
            const found = []
            const walk = item => {
                for (let i = 0; i < item.children.length; ++i) {
                    const child = item.children[i]
                    if (child.text === "Заголовок\nформы")
                        found.push(child)
                    walk(child)
                }
            }
            walk(form)
            compare(found.length, 1)
            compare(found[0].Accessible.role, Accessible.Heading)
            compare(found[0].Accessible.name, "Заголовок формы")
        }

        // Typing a number key by key stores what pasting it does.
        function test_phoneTypedAsPasted() {
            const form = openForm()
            mouseClick(form.phoneField)
            form.phoneField.cursorPosition = form.phoneField.length
            type("8 (999) 123-45-67")
            compare(form.phoneField.phone, "+7 9991234567")
            form.phoneField.selectAll()
            form.phoneField.insert(0, "8 (999) 123-45-67")
            compare(form.phoneField.phone, "+7 9991234567")
            compare(form.phoneField.text, "+7 9991234567")
        }
    }
}
