import QtQuick
import QtTest
import Tarvik.Design
import TarvikTest

Item {
    id: root
    width: 393
    height: 852

    // The forms come by address, as the shell's destinations load them.
    readonly property Component staticIp: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/StaticIPOrderView.qml")
    readonly property Component blocking: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/VoluntaryBlockingView.qml")
    readonly property Component relocation: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/RelocationRequestView.qml")
    readonly property Component referral: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/ReferralFriendView.qml")

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage { title: "Сервисы" }
    }

    // Holds the text a test pastes.
    TextInput {
        id: clipboardSource
        visible: false
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
        name: "RequestForms"
        when: windowShown

        function initTestCase() {
            verify(Account.signIn())
            Account.takeRequestKeys()
        }

        function cleanup() {
            root.height = 852
            stack.popToRoot()
            tryCompare(stack, "busy", false)
            // Nothing of a form leaves the device.
            compare(Account.takeRequestKeys(), [])
        }

        function open(component) {
            compare(component.status, Component.Ready, component.errorString())
            const form = stack.push(component, {}, 1)
            verify(form)
            tryCompare(stack, "busy", false)
            return form
        }

        function save(name) {
            grabImage(root).save(Account.screenshotPath("requests-" + name))
        }

        function type(field, text) {
            field.forceActiveFocus()
            field.cursorPosition = field.length
            for (const c of text)
                keyClick(c)
        }

        function paste(field, text) {
            clipboardSource.text = text
            clipboardSource.selectAll()
            clipboardSource.copy()
            field.forceActiveFocus()
            field.selectAll()
            keySequence(StandardKey.Paste)
        }

        function sendAndConfirm(form, caption) {
            const button = findChild(form, "sendButton")
            verify(button.enabled)
            mouseClick(button)
            compare(button.text, "ОТПРАВЛЯЕМ…")
            verify(!button.enabled)
            // A second press while sending does nothing.
            mouseClick(button)
            const sheet = findChild(form, "confirmationSheet")
            tryCompare(sheet, "opened", true)
            compare(button.text, caption)
            compare(form.request.sending, false)
            return sheet
        }

        function closeSheet(form, sheet) {
            sheet.close()
            tryCompare(sheet, "visible", false)
            compare(form.request.confirmed, false)
        }

        function test_staticIp() {
            const form = open(root.staticIp)
            const minus = findChild(form, "minusButton")
            const plus = findChild(form, "plusButton")
            compare(form.quantity, 1)
            verify(!minus.enabled)
            compare(findChild(form, "countText").text, "1 IP-адрес")
            compare(findChild(form, "priceText").text, "200 ₽")
            save("static-ip")

            for (let i = 0; i < 6; ++i)
                if (plus.enabled)
                    mouseClick(plus)
            compare(form.quantity, 5)
            verify(!plus.enabled)
            verify(minus.enabled)
            compare(findChild(form, "countText").text, "5 IP-адресов")
            compare(findChild(form, "priceText").text, "1000 ₽")
            mouseClick(minus)
            compare(findChild(form, "countText").text, "4 IP-адреса")

            const sheet = sendAndConfirm(form, "ПОДКЛЮЧИТЬ")
            compare(sheet.item.title, "Заказ принят")
            save("static-ip-confirmed")
            closeSheet(form, sheet)
            compare(form.quantity, 4)
        }

        function test_voluntaryBlocking() {
            const form = open(root.blocking)
            compare(form.days, 14)
            compare(form.price, 250)
            compare(findChild(form, "priceText").text, "250 ₽")
            save("voluntary-blocking")

            // The end picker refuses days earlier than two days after the start.
            const endPicker = findChild(form, "endPicker")
            const minimum = endPicker.minimumDate
            compare(Math.round((minimum.getTime() - form.startDate.getTime()) / 86400000), 2)

            form.endDate = new Date(form.startDate.getTime() + 15 * 86400000)
            compare(form.days, 15)
            compare(findChild(form, "priceText").text, "0 ₽")
            // Moving the start later leaves the end where it was.
            const end = form.endDate.getTime()
            form.startDate = new Date(form.startDate.getTime() + 3 * 86400000)
            compare(form.endDate.getTime(), end)
            compare(form.days, 12)

            const sheet = sendAndConfirm(form, "ЗАБЛОКИРОВАТЬ")
            compare(sheet.item.message, "Услуги будут приостановлены на 12 дней. Стоимость — 250 ₽.")
            closeSheet(form, sheet)
        }

        function test_relocation() {
            const form = open(root.relocation)
            const phone = findChild(form, "phoneField")
            const button = findChild(form, "sendButton")
            compare(phone.text, "+7 ")
            verify(!button.enabled)
            save("relocation")

            type(findChild(form, "newAddressField"), "   ")
            paste(phone, "8 (912) 345-67-89")
            compare(form.phone, "+7 9123456789")
            compare(phone.text, "+7 9123456789")
            verify(!form.canSubmit)
            verify(!button.enabled)

            findChild(form, "newAddressField").clear()
            type(findChild(form, "newAddressField"), "Lenina 1")
            verify(form.canSubmit)
            verify(button.enabled)

            // Pasted other scripts' digits and a fraction do not count toward the ten.
            paste(phone, "+7 912 345 67 8½٩")
            compare(form.phone, "+7 912345678")
            verify(!button.enabled)
            paste(phone, "7 912 345 67 89 00 11")
            compare(form.phone, "+7 9123456789")
            verify(button.enabled)

            const sheet = sendAndConfirm(form, "ОТПРАВИТЬ ЗАЯВКУ")
            compare(sheet.item.title, "Заявка принята")
            closeSheet(form, sheet)
            compare(form.newAddress, "Lenina 1")
            compare(form.phone, "+7 9123456789")
            save("relocation-filled")
        }

        function test_referral() {
            const form = open(root.referral)
            const button = findChild(form, "sendButton")
            compare(findChild(form, "friendPhoneField").text, "+7 ")
            verify(!button.enabled)
            save("referral")

            type(findChild(form, "friendNameField"), "Ivan")
            type(findChild(form, "friendAddressField"), "Mira 5")
            type(findChild(form, "friendPhoneField"), "9123456789")
            compare(form.friendPhone, "+7 9123456789")
            verify(!button.enabled)
            type(findChild(form, "friendEmailField"), "ivan@mail")
            verify(!button.enabled)
            type(findChild(form, "friendEmailField"), ".ru")
            verify(button.enabled)

            const sheet = sendAndConfirm(form, "ОТПРАВИТЬ ЗАЯВКУ")
            compare(sheet.item.message, "Мы получили контакты друга. Специалист Tarvik свяжется с ним и расскажет про подключение.")
            closeSheet(form, sheet)
            // A second send shows the sheet again.
            const again = sendAndConfirm(form, "ОТПРАВИТЬ ЗАЯВКУ")
            closeSheet(form, again)
            compare(form.friendEmail, "ivan@mail.ru")
        }

        // The back button stands at the screen's top leading corner however far the form is
        // scrolled (here, as far as it goes while a keyboard takes the lower part of the screen),
        // and still goes back from there.
        function test_backButtonStaysWhileTheFormScrolls() {
            const form = open(root.relocation)
            root.height = 520
            const back = findChild(form, "roundBackButton")
            const scroller = findChild(form, "formScroller")
            verify(back.visible)
            compare(back.mapToItem(form, 0, 0), Qt.point(16, 50))
            tryVerify(() => scroller.contentHeight > scroller.height)
            scroller.contentY = scroller.contentHeight - scroller.height
            verify(scroller.atYEnd)
            compare(back.mapToItem(form, 0, 0), Qt.point(16, 50))
            save("relocation-scrolled")
            mouseClick(back)
            tryCompare(stack, "depth", 1)
        }

        function test_formClosedWhileSending() {
            const form = open(root.referral)
            const back = findChild(form, "roundBackButton")
            verify(back.visible)
            openedSpy.target = findChild(form, "confirmationSheet")
            openedSpy.clear()
            form.request.send()
            mouseClick(back)
            tryCompare(stack, "depth", 1)
            // Longer than the form's wait: nothing comes up, nothing complains.
            sentinel.send()
            tryCompare(sentinel, "confirmed", true)
            sentinel.confirmed = false
            compare(stack.depth, 1)
            // The wait ended during the slide away at the latest: no sheet came up over the list.
            compare(openedSpy.count, 0)
        }
    }
}
