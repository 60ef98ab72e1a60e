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
            compare(rowValue("amountRow"), AutopayRules.cleanedMoney(AccountStore.account.tariffPrice))
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
                { tag: "zero before a day", start: "1", at: 0, typed: "0", day: "1" },
                { tag: "third digit", start: "28", at: 2, typed: "9", day: "28" },
                { tag: "letter before", start: "5", at: 0, typed: "x", day: "5" },
                { tag: "letter after", start: "5", at: 1, typed: "y", day: "5" },
                { tag: "cyrillic letter inside", start: "12", at: 1, typed: "а", day: "12" },
                { tag: "above", start: "3", at: 1, typed: "1", day: "28" },
                { tag: "arabic-indic digit", start: "2", at: 1, typed: "\u0663", day: "" },
                { tag: "digit outside the BMP", start: "1", at: 1, typed: "\u{1D7CE}", day: "" }
            ]
        }

        // Whatever is typed into the field, it shows the day the screen keeps, from 1 to 28 or
        // empty; also when that day is the one it held before the keystroke.
        function test_dayFieldKeepsADay(data) {
            const field = find("paymentDayField")
            view.paymentDay = data.start
            compare(field.text, data.start)
            field.insert(data.at, data.typed)
            compare(view.paymentDay, data.day)
            compare(field.text, data.day)
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
            keyClick(Qt.Key_9) // "289" is 28 again
            compare(field.text, "28")
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            compare(field.text, "")
            // With no day "ПОДКЛЮЧИТЬ" waits for one.
            verify(!find("connectButton").enabled)
            Finder.shoot(this, root, "paymentstab-autopay-no-day", Account)
            mouseClick(find("connectButton"))
            verify(!find("doneAlert").visible)
            // That tap, outside the field, ended editing.
            tryCompare(field, "activeFocus", false)
            field.forceActiveFocus()
            // The number pad has no letters: they type nothing.
            keyClick(Qt.Key_X)
            compare(field.text, "")
            keyClick(Qt.Key_5)
            keyClick(Qt.Key_Y)
            compare(field.text, "5")
            compare(view.paymentDay, "5")
            verify(find("connectButton").enabled)
        }

        function test_confirmationClosesTheSheet() {
            view.paymentDay = "15"
            mouseClick(find("connectButton"))
            const alert = find("doneAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Автоплатёж почти готов")
            compare(alert.message, AutopayRules.confirmationMessage(find("amountRow").value, "15"))
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
