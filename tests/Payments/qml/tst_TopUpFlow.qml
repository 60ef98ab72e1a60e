import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The top-up road through the screens as the home dashboard presents it: the amount step, the
// method choice, the store's checkout request as the stand-in receives it, the checkout sheet and
// the account refresh once it closes.
Item {
    id: root
    width: 393
    height: 852

    property bool showTopUp: false

    Sheet {
        id: topUpSheet
        presented: root.showTopUp
        onClosed: root.showTopUp = false
        sourceComponent: Component {
            TopUpFlow {
                initialAmount: ""
            }
        }
    }

    // The keys that came up to `watched` from a page inside it.
    property Item watched: null
    property var passedOn: []
    Connections {
        target: root.watched ? root.watched.Keys : null
        function onPressed(event) { root.passedOn.push(event.key) }
    }

    SignalSpy {
        id: accountSpy
        target: AccountStore
        signalName: "accountChanged"
    }

    TestCase {
        name: "TopUpFlow"
        when: windowShown

        function init() {
            verify(Standin.reset())
            root.showTopUp = true
            tryCompare(topUpSheet, "opened", true)
        }

        function cleanup() {
            Standin.release("/ajax/sbplink.jsp")
            root.showTopUp = false
            tryCompare(topUpSheet, "visible", false)
            // Sheets stacked inside close with the flow.
            wait(50)
        }

        function flow() {
            return topUpSheet.item
        }

        function find(name) {
            return Finder.find(flow(), name)
        }

        function presetTints() {
            const tints = {}
            for (const preset of ["100", "250", "500", "1000"])
                tints[preset] = Qt.colorEqual(find("preset" + preset).tint, Theme.tarInk)
            return tints
        }

        function openMethods() {
            mouseClick(find("chooseMethodButton"))
            const sheet = find("methodsSheet")
            tryCompare(sheet, "opened", true)
            return sheet.item
        }

        function test_opensEmpty() {
            compare(find("accountNumberText").text, "Лицевой счёт № 684782")
            compare(find("balanceText").text, "Баланс 1250,50 ₽")
            const field = find("amountField")
            compare(field.text, "")
            compare(field.placeholderText, "0")
            compare(find("totalText").text, "0 ₽")
            compare(presetTints(), { "100": false, "250": false, "500": false, "1000": false })
            Finder.shoot(this, root, "payments-topup-empty", Standin)
            // An empty amount still opens the method choice.
            const methods = openMethods()
            compare(Finder.find(methods, "summaryAmount").text, "0 ₽")
        }

        function test_presetsAndTypingShareTheAmount() {
            mouseClick(find("preset250"))
            mouseClick(find("preset1000"))
            const field = find("amountField")
            compare(field.text, "1000")
            compare(find("totalText").text, "1000 ₽")
            compare(presetTints(), { "100": false, "250": false, "500": false, "1000": true })
            Finder.shoot(this, root, "payments-topup-preset", Standin)

            // Deleting the last digit: the highlight follows the text.
            field.forceActiveFocus()
            field.cursorPosition = field.length
            keyClick(Qt.Key_Backspace)
            compare(field.text, "100")
            compare(flow().amount, "100")
            compare(find("totalText").text, "100 ₽")
            compare(presetTints(), { "100": true, "250": false, "500": false, "1000": false })

            // Only an exact match highlights.
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (const key of [Qt.Key_0, Qt.Key_5, Qt.Key_0, Qt.Key_0])
                keyClick(key)
            compare(field.text, "0500")
            compare(find("totalText").text, "0500 ₽")
            compare(presetTints(), { "100": false, "250": false, "500": false, "1000": false })

            // A preset replaces what was typed.
            mouseClick(find("preset500"))
            compare(field.text, "500")
        }

        function test_balanceAndAccountTexts_data() {
            return [
                { tag: "decimal point becomes a comma", balance: "850.40", number: "684782", expected: "Баланс 850,40 ₽" },
                { tag: "no grouping is added", balance: "1234.5", number: "684782", expected: "Баланс 1234,5 ₽" },
                { tag: "placeholder account", signOut: true, number: "", expected: "Баланс —" }
            ]
        }

        function test_balanceAndAccountTexts(data) {
            accountSpy.clear()
            if (data.signOut) {
                Standin.signOut()
            } else {
                Standin.setBalance(data.balance)
                AccountStore.refresh()
                accountSpy.wait(10000)
            }
            compare(find("balanceText").text, data.expected)
            compare(find("accountNumberText").text, "Лицевой счёт № " + data.number)
        }

        function test_checkoutRoad_data() {
            return [
                { tag: "SBP, closed by its button", method: TarvikPaymentMethod.Sbp, key: "/ajax/sbplink.jsp", parameter: "payment",
                  page: "/checkout/sbp?amount=500", close: "button", name: "СБП" },
                { tag: "bank card, closed by a swipe", method: TarvikPaymentMethod.BankCard, key: "/payment_yookassa_velmor.jsp",
                  parameter: "amount", page: "/checkout/card?amount=500", close: "swipe", name: "Банковская карта" },
                { tag: "SBP, closed by Escape inside the page", method: TarvikPaymentMethod.Sbp, key: "/ajax/sbplink.jsp",
                  parameter: "payment", page: "/checkout/sbp?amount=500", close: "escape", name: "СБП" }
            ]
        }

        function test_checkoutRoad(data) {
            mouseClick(find("preset500"))
            const methods = openMethods()
            compare(Finder.find(methods, "summaryAmount").text, "500 ₽")
            Finder.shoot(this, root, "payments-methods", Standin)
            const methodButton = Finder.button(Finder.find(methods, "method" + data.method), data.name)
            mouseClick(methodButton)

            const checkoutSheet = Finder.find(methods, "checkoutSheet")
            tryCompare(checkoutSheet, "opened", true, 10000)
            compare(Standin.requestCount(data.key), 1)
            compare(Standin.lastQuery(data.key)[data.parameter], "500")
            const checkout = checkoutSheet.item
            compare(checkout.url.toString(), Standin.origin + data.page)
            tryCompare(checkout, "isLoading", false, 15000)
            compare(checkout.errorMessage, "")
            compare(methods.controller.loadingMethod, -1)
            Finder.shoot(this, root, data.method === TarvikPaymentMethod.Sbp ? "payments-checkout-sbp" : "payments-checkout-card", Standin)

            // A payment made on the page shows up once the sheet has closed.
            Standin.setBalance("1750.50")
            const loginsBefore = Standin.requestCount("/ajax/login.jsp")
            accountSpy.clear()
            if (data.close === "button") {
                mouseClick(Finder.button(checkout, "Закрыть"))
            } else if (data.close === "escape") {
                // From the bar into the page. An Escape the page takes for itself stays there: once
                // F5, which the page leaves, has come back, so has the Escape before it.
                Finder.button(checkout, "Закрыть").forceActiveFocus(Qt.TabFocusReason)
                keyClick(Qt.Key_Tab)
                tryVerify(() => root.Window.activeFocusItem.parent === checkout.webView)
                let ready = false
                checkout.webView.runJavaScript("document.onkeydown = e => { document.onkeydown = null; e.preventDefault() }", () => ready = true)
                tryVerify(() => ready)
                root.passedOn = []
                root.watched = checkout
                keyClick(Qt.Key_Escape)
                keyClick(Qt.Key_F5)
                tryVerify(() => root.passedOn.includes(Qt.Key_F5), 5000)
                verify(!root.passedOn.includes(Qt.Key_Escape) && checkoutSheet.opened)
                keyClick(Qt.Key_Escape)
            } else {
                // Down from the sheet's bar: the page itself scrolls.
                const bar = mapFromItem(checkout, checkout.width / 2, 20)
                mouseDrag(root, bar.x, bar.y, 0, 500)
            }
            tryCompare(checkoutSheet, "visible", false)
            // The focus is back on the row that opened the sheet.
            tryVerify(() => root.Window.activeFocusItem === methodButton)
            accountSpy.wait(10000)
            compare(Standin.requestCount("/ajax/login.jsp"), loginsBefore + 1)
            compare(AccountStore.account.balance, "1750.50")
            compare(find("balanceText").text, "Баланс 1750,50 ₽")

            // Back on the method list, with the amount step under it unchanged.
            verify(Finder.find(flow(), "methodsSheet").opened)
            compare(methods.controller.checkout.isNull, true)
            compare(flow().amount, "500")
            // A second checkout opens a fresh sheet.
            mouseClick(Finder.find(methods, "method" + data.method))
            tryCompare(checkoutSheet, "opened", true, 10000)
            verify(checkoutSheet.item !== checkout)
            compare(Standin.requestCount(data.key), 2)
        }

        function test_theAmountIsRefused_data() {
            return [
                { tag: "empty", amount: "" },
                { tag: "zero", amount: "0" },
                { tag: "letters", amount: "abc" },
                { tag: "above the limit", amount: "100001" },
                // A paste is kept as it is, not turned into "12", for the store to refuse.
                { tag: "letters pasted", amount: "abc12", pasted: true }
            ]
        }

        function test_theAmountIsRefused(data) {
            if (data.pasted) {
                const field = find("amountField")
                field.forceActiveFocus()
                Pasteboard.copy(data.amount)
                keySequence(StandardKey.Paste)
                compare(flow().amount, data.amount)
                compare(find("totalText").text, data.amount + " ₽")
            } else {
                flow().amount = data.amount
            }
            const methods = openMethods()
            const alert = Finder.find(methods, "checkoutErrorAlert")
            for (let attempt = 0; attempt < 2; ++attempt) {
                mouseClick(Finder.find(methods, "method" + TarvikPaymentMethod.Sbp))
                tryCompare(alert, "opened", true)
                compare(alert.title, "Не удалось перейти к оплате")
                compare(alert.message, "Введите сумму от 1 до 100 000 ₽")
                if (attempt === 0 && data.amount === "abc")
                    Finder.shoot(this, root, "payments-methods-error", Standin)
                alert.trigger(alert.buttons[0]) // "Понятно"
                compare(alert.buttons[0].text, "Понятно")
                tryCompare(alert, "visible", false)
                compare(methods.controller.errorMessage, "")
            }
            compare(Standin.requestCount("/ajax/sbplink.jsp"), 0)
            verify(Finder.find(flow(), "methodsSheet").opened)
        }

        // An alert shown with no text of the controller's still says something.
        function test_errorAlertFallsBackToItsOwnText() {
            const methods = openMethods()
            const alert = Finder.find(methods, "checkoutErrorAlert")
            alert.open()
            tryCompare(alert, "opened", true)
            compare(alert.message, "Попробуйте ещё раз")
            alert.close()
            tryCompare(alert, "visible", false)
        }

        function test_oneCheckoutAtATime() {
            mouseClick(find("preset100"))
            const methods = openMethods()
            Standin.hold("/ajax/sbplink.jsp")
            const sbp = Finder.find(methods, "method" + TarvikPaymentMethod.Sbp)
            const card = Finder.find(methods, "method" + TarvikPaymentMethod.BankCard)
            mouseClick(sbp)
            tryCompare(methods.controller, "loadingMethod", TarvikPaymentMethod.Sbp)
            mouseClick(sbp)
            mouseClick(card)
            methods.controller.beginCheckout("100", TarvikPaymentMethod.BankCard)
            tryVerify(() => Standin.heldCount() === 1) // the request has arrived
            verify(Finder.find(sbp, "rowSpinner").visible)
            verify(!Finder.find(card, "rowSpinner").visible)
            verify(!sbp.enabled)
            verify(!card.enabled)
            verify(Finder.find(methods, "trustPaymentRow").enabled)
            Finder.shoot(this, root, "payments-methods-creating", Standin)

            Standin.release("/ajax/sbplink.jsp")
            const checkoutSheet = Finder.find(methods, "checkoutSheet")
            tryCompare(checkoutSheet, "opened", true, 10000)
            compare(Standin.requestCount("/ajax/sbplink.jsp"), 1)
            compare(Standin.requestCount("/payment_yookassa_velmor.jsp"), 0)
            verify(sbp.enabled)
        }

        function test_trustPaymentRowOpensTheTrustPayment() {
            const methods = openMethods()
            mouseClick(Finder.find(methods, "trustPaymentRow"))
            const trustSheet = Finder.find(methods, "trustPaymentSheet")
            tryCompare(trustSheet, "opened", true)
            compare(trustSheet.item.currentItem.title, "Доверительный платёж")
            mouseClick(Finder.button(trustSheet.item, "Закрыть"))
            tryCompare(trustSheet, "visible", false)
            compare(methods.showTrustPayment, false)
        }
    }
}
