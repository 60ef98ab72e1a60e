import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The autopay sheet over the demo subscriber: the rows it takes from the account, the day field
// kept within 1 to 28 whatever is typed, and the alert whose "Понятно" closes the whole sheet.
Item {
    id: root
    width: 393
    height: 852

    property bool presented: false

    Sheet {
        id: sheet
        presented: root.presented
        onClosed: root.presented = false
        sourceComponent: Component {
            AutopayView {}
        }
    }

    TestCase {
        name: "AutopayView"
        when: windowShown

        property var view: null

        function init() {
            verify(Account.reset())
            root.presented = true
            tryCompare(sheet, "opened", true)
            view = sheet.item
            verify(view)
        }

        function cleanup() {
            root.presented = false
            tryCompare(sheet, "visible", false)
        }

        function find(name) {
            return Finder.find(view, name)
        }

        function rowValue(name) {
            return Finder.find(find(name), "rowValue").text
        }

        function test_rowsFollowTheAccount() {
            compare(view.paymentDay, "1")
            compare(rowValue("tariffRow"), AccountStore.account.tariffName)
            compare(rowValue("amountRow"), AutopayTexts.cleanedMoney(AccountStore.account.tariffPrice))
            compare(rowValue("accountRow"), "684782")
            Finder.shoot(this, root, "paymentstab-autopay", Account)

            // The placeholder account: the fallbacks, and an empty account number shown empty.
            Account.signOut()
            compare(rowValue("tariffRow"), "Текущий тариф Tarvik")
            compare(rowValue("amountRow"), "1 000 ₽")
            compare(rowValue("accountRow"), "")
        }

        function test_dayFieldKeepsADay_data() {
            return [
                { tag: "zero", typed: "0", day: "1" },
                { tag: "above", typed: "31", day: "28" },
                { tag: "letter inside", typed: "2а8", day: "28" },
                { tag: "arabic-indic digit", typed: "\u0663", day: "" },
                { tag: "cleared", typed: "", day: "" }
            ]
        }

        // Whatever reaches the field, the screen keeps a day from 1 to 28 or an empty field.
        function test_dayFieldKeepsADay(data) {
            find("dayRow").edited(data.typed)
            compare(view.paymentDay, data.day)
            compare(find("paymentDayField").text, data.day)
        }

        function test_typingIsClamped() {
            const field = find("paymentDayField")
            field.forceActiveFocus()
            field.cursorPosition = field.length
            keyClick(Qt.Key_9) // "19"
            compare(view.paymentDay, "19")
            keyClick(Qt.Key_9) // "199" is more than 28
            compare(view.paymentDay, "28")
            compare(field.text, "28")
        }

        function test_confirmationClosesTheSheet() {
            view.paymentDay = "15"
            mouseClick(find("connectButton"))
            const alert = find("doneAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Автоплатёж почти готов")
            compare(alert.message, AutopayTexts.confirmationMessage(find("amountRow").value, "15"))
            Finder.shoot(this, root, "paymentstab-autopay-alert", Account)
            mouseClick(Finder.button(alert.contentItem, "Понятно"))
            tryCompare(root, "presented", false)
            tryCompare(sheet, "visible", false)
            compare(JSON.stringify(Account.requestKeys()), "[]")
        }

        function test_closeButtonCloses() {
            mouseClick(find("closeButton"))
            tryCompare(root, "presented", false)
        }
    }
}
