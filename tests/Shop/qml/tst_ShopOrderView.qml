import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Shop
import TarvikTest

// The order checkout: its defaults, captions and amount due, the payment choice, and what a
// confirmation does to the shared cart.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        ShopTestStack {}
    }

    Component {
        id: orderComponent
        TarvikShopOrderView {}
    }

    Component {
        id: coverComponent
        NavigationPage { title: "Поверх" }
    }

    SignalSpy {
        id: sheetShown
        signalName: "aboutToShow"
    }

    TestCase {
        name: "ShopOrderView"
        when: windowShown

        property var stack
        property var order

        function init() {
            ShopTest.reset()
            ShopTest.add(1)
            ShopTest.add(101, 2)
            stack = createTemporaryObject(stackComponent, root)
            stack.push(orderComponent, { items: ShopCart.items })
            tryCompare(stack, "busy", false)
            order = stack.currentItem
        }

        function part(name) {
            const found = findChild(order, name)
            verify(found, name)
            return found
        }

        // Scrolls `item` into view and taps it.
        function tap(item, x, y) {
            const top = item.mapToItem(order.flickable.contentItem, 0, 0).y
            order.flickable.contentY = Math.max(0, Math.min(top - 300, order.flickable.contentHeight - order.flickable.height))
            mouseClick(item, x ?? item.width / 2, y ?? item.height / 2)
        }

        function captions() {
            const items = part("orderItems").children[0].children
            const found = []
            for (let i = 0; i < items.length; ++i) {
                const caption = findChild(items[i], "itemCaption")
                if (caption)
                    found.push(caption.text)
            }
            return found
        }

        function confirm() {
            tap(part("submitButton"))
            tryCompare(order.request, "confirmed", true)
            const sheet = part("confirmationSheet")
            tryCompare(sheet, "opened", true)
            return sheet
        }

        function closeSheet(sheet) {
            sheet.close()
            tryCompare(order.request, "confirmed", false)
        }

        function test_defaults() {
            compare(order.paymentMethod, "sbp")
            compare(part("submitLabel").text, "Перейти к оплате")
            verify(!part("changeCard").visible)
            verify(part("commentPlaceholder").visible)
            const tomorrow = new Date()
            tomorrow.setDate(tomorrow.getDate() + 1)
            compare(order.visitDate.toDateString(), tomorrow.toDateString())
            verify(Math.abs(order.visitTime.getTime() - Date.now()) < 60000)
            // No day before today can be picked.
            compare(part("visitDatePicker").minimumDate.toDateString(), new Date().toDateString())
        }

        function test_totals() {
            compare(captions(), ["1 шт. · 4 500 ₽", "2 шт. · 2 300 ₽"])
            // One divider between the two rows, drawn a whole device pixel high, 86 in.
            const dividers = []
            const rows = part("orderItems").children[0].children
            for (let i = 0; i < rows.length; ++i) {
                const divider = findChild(rows[i], "itemDivider")
                if (divider && divider.visible)
                    dividers.push(divider)
            }
            compare(dividers.length, 1)
            verify(dividers[0].height * Screen.devicePixelRatio >= 1)
            compare(dividers[0].x, 86)
            compare(part("amountDue").text, "9 100 ₽")
            // The checkout keeps its copy: the cart changing does not change the amount due.
            ShopTest.add(2)
            compare(part("amountDue").text, "9 100 ₽")
        }

        // Every row ends in its mark at the same place: 15 inside the row's trailing edge.
        function test_paymentMarksLineUp() {
            for (const key of ["sbp", "card", "cash"]) {
                const row = part("payment_" + key)
                const mark = findChild(row, "paymentMark")
                compare(mark.mapToItem(row, mark.width, 0).x, row.width - 15)
            }
        }

        function test_paymentMethods() {
            tap(part("payment_cash"))
            compare(order.paymentMethod, "cash")
            compare(part("submitLabel").text, "Подтвердить заказ")
            tryCompare(part("changeCard"), "visible", true)
            tap(part("cashField"))
            // The number pad's keys only: a typed letter does not get in; a paste goes in as it is.
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_5)
            compare(order.cashAmount, "5")
            part("cashField").selectAll()
            Pasteboard.copy("5 000")
            keySequence(StandardKey.Paste)
            compare(order.cashAmount, "5 000")
            part("cashField").selectAll()
            keyClick(Qt.Key_5)
            compare(part("cashField").text, "5")
            tap(part("payment_card"))
            compare(part("submitLabel").text, "Перейти к оплате")
            tryCompare(part("changeCard"), "visible", false)
            compare(order.cashAmount, "5")
        }

        function test_commentPlaceholder() {
            const editor = part("commentEditor")
            mouseClick(editor)
            keyClick(Qt.Key_A)
            verify(!part("commentPlaceholder").visible)
            keyClick(Qt.Key_Backspace)
            compare(order.comment, "")
            verify(part("commentPlaceholder").visible)
        }

        function test_confirmation() {
            tap(part("payment_cash"))
            tap(part("submitButton"))
            compare(part("submitLabel").text, "Отправляем…")
            verify(!part("submitButton").enabled)
            const sheet = confirm()
            compare(sheet.item.title, "Заказ оформлен")
            compare(sheet.item.message, "Сервисный инженер придёт в выбранные дату и время. Способ оплаты: Наличные.")
            compare(part("submitLabel").text, "Подтвердить заказ")
            compare(ShopTest.lines(), "")
            // The screen still lists what it ordered.
            compare(captions().length, 2)
            compare(part("amountDue").text, "9 100 ₽")
            closeSheet(sheet)
        }

        // Only what the checkout ordered leaves the cart, and only once.
        function test_cartKeepsWhatCameMeanwhile() {
            ShopTest.add(2)
            ShopTest.add(101)
            compare(ShopTest.lines(), "1:1 101:3 2:1")
            const sheet = confirm()
            compare(ShopTest.lines(), "101:1 2:1")
            closeSheet(sheet)
            ShopTest.add(1)
            const again = confirm()
            compare(ShopTest.lines(), "101:1 2:1 1:1")
            closeSheet(again)
        }

        function test_cartEmptiedElsewhere() {
            ShopTest.reset()
            ShopTest.add(101)
            closeSheet(confirm())
            compare(ShopTest.lines(), "")
        }

        // Back to the cart while the order is sent: nothing comes up over the cart, and the cart
        // keeps its lines.
        function test_goingBackDuringTheSendShowsNothing() {
            sheetShown.target = part("confirmationSheet")
            sheetShown.clear()
            order.request.delay = 1
            const seenOnTop = []
            order.request.confirmedChanged.connect(() => seenOnTop.push(order.onScreen))
            tap(part("submitButton"))
            stack.pop()
            tryCompare(stack, "busy", false)
            compare(seenOnTop, [false])
            compare(sheetShown.count, 0)
            compare(ShopTest.lines(), "1:1 101:2")
        }

        // Covered by another screen while sending: the confirmation (and the cart's emptying)
        // waits until the checkout is back on top.
        function test_coveredDuringTheSendWaits() {
            const sheet = part("confirmationSheet")
            sheetShown.target = sheet
            sheetShown.clear()
            tap(part("submitButton"))
            stack.push(coverComponent)
            tryCompare(stack, "busy", false)
            tryCompare(order.request, "confirmed", true)
            compare(sheetShown.count, 0)
            compare(ShopTest.lines(), "1:1 101:2")
            stack.pop()
            tryCompare(sheet, "opened", true)
            compare(ShopTest.lines(), "")
            closeSheet(sheet)
        }

        function test_cancelledSend() {
            tap(part("submitButton"))
            verify(order.request.cancel())
            const alert = part("orderErrorAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Не удалось оформить заказ")
            verify(alert.message.length > 0)
            compare(ShopTest.lines(), "1:1 101:2")
            alert.trigger(alert.buttons[0])
            tryCompare(order.request, "hasError", false)
            compare(part("submitLabel").text, "Перейти к оплате")
        }
    }
}
