import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The statements list and its two forms on the payments tab's stack: which fields each kind
// shows, when the form may be sent, the sending state, the confirmation, and the date picker.
Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: PaymentStatementsView {}
    }

    TestCase {
        name: "PaymentStatements"
        when: windowShown

        function init() {
            verify(Account.reset())
        }

        function cleanup() {
            stack.popToRoot()
            tryCompare(stack, "busy", false)
        }

        function find(name) {
            return Finder.find(stack.currentItem, name)
        }

        function shoot(name) {
            Finder.shoot(this, root, "paymentstab-" + name, Account)
        }

        function openForm(kind) {
            mouseClick(Finder.find(stack.get(0), "statementKind" + kind))
            tryCompare(stack, "busy", false)
            compare(stack.depth, 2)
            return stack.currentItem
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            for (const character of text)
                keyClick(character)
        }

        // An alert shown with no text of the form's still says something.
        function test_errorAlertFallsBackToItsOwnText() {
            openForm(0)
            const alert = find("requestErrorAlert")
            alert.open()
            tryCompare(alert, "opened", true)
            compare(alert.message, "Попробуйте позже")
            alert.close()
            tryCompare(alert, "visible", false)
        }

        function test_listsTheKindsInOrder() {
            const rows = ["statementKind" + PaymentStatementKind.WrongPayment, "statementKind" + PaymentStatementKind.Recalculation]
                .map(name => Finder.find(stack.get(0), name))
            compare(rows.map(row => row.title), ["Ошибочный платеж", "Перерасчет"])
            compare(rows.map(row => row.subtitle), ["Если оплатили не тот лицевой счёт", "Проверим списания и начисления"])
            verify(rows[0].y < rows[1].y)
            compare(stack.currentItem.title, "Заявления")
            shoot("statements")
        }

        function test_eachKindShowsItsFields_data() {
            return [
                { tag: "wrong payment", kind: PaymentStatementKind.WrongPayment, title: "Ошибочный платеж", amountAndDate: true },
                { tag: "recalculation", kind: PaymentStatementKind.Recalculation, title: "Перерасчет", amountAndDate: false }
            ]
        }

        function test_eachKindShowsItsFields(data) {
            const form = openForm(data.kind)
            compare(form.title, data.title)
            compare(find("amountField").visible, data.amountAndDate)
            compare(find("datePicker").visible, data.amountAndDate)
            verify(find("commentField").visible)
            const submit = find("submitButton")
            verify(!submit.enabled)
            compare(find("submitBackground").color, Theme.withOpacity(Theme.tarInk, 0.18))
            compare(submit.text, "ОТПРАВИТЬ ЗАЯВЛЕНИЕ")
            shoot("form-" + data.tag.replace(" ", "-"))
        }

        // Typed text reaches the form; white space alone never enables sending. The amount takes
        // what a number pad types; a paste goes in as it is.
        function test_submitRuleFollowsTheFields() {
            const form = openForm(PaymentStatementKind.WrongPayment)
            const submit = find("submitButton")
            typeInto(find("amountField"), "abc ")
            compare(form.form.amount, "")
            Pasteboard.copy("   ")
            keySequence(StandardKey.Paste)
            typeInto(find("commentField"), "Paid twice")
            compare(form.form.amount, "   ")
            compare(form.form.comment, "Paid twice")
            verify(!submit.enabled)

            typeInto(find("amountField"), "0")
            verify(submit.enabled)
            compare(find("submitBackground").color, Theme.tarPink)
        }

        function test_sendingConfirmsAndKeepsTheForm() {
            const screen = openForm(PaymentStatementKind.WrongPayment)
            typeInto(find("amountField"), "1500")
            typeInto(find("commentField"), "Wrong account")
            const submit = find("submitButton")
            const sheet = find("confirmationSheet")

            mouseClick(submit)
            compare(submit.text, "ОТПРАВЛЯЕМ…")
            verify(!submit.enabled)
            compare(find("submitBackground").color, Theme.tarPink)
            shoot("form-sending")
            mouseClick(submit)
            verify(!sheet.opened)

            tryCompare(sheet, "opened", true, 2000)
            compare(submit.text, "ОТПРАВИТЬ ЗАЯВЛЕНИЕ")
            verify(submit.enabled)
            const confirmation = sheet.item
            compare(confirmation.title, "Заявление принято")
            compare(confirmation.message, "Мы передали обращение специалисту Tarvik.")
            shoot("form-accepted")

            mouseClick(Finder.button(confirmation, "Понятно"))
            tryCompare(sheet, "visible", false)
            compare(screen.form.request.confirmed, false)
            compare(stack.currentItem, screen)
            compare(find("amountField").text, "1500")
            compare(find("commentField").text, "Wrong account")
            verify(!find("requestErrorAlert").opened)

            // The same statement can go again at once.
            mouseClick(submit)
            tryCompare(sheet, "opened", true, 2000)
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        // A day picked in a later month, in the future, is taken, time of day kept.
        function test_datePickerTakesAnyDay() {
            const screen = openForm(PaymentStatementKind.WrongPayment)
            const before = screen.form.operationDate
            const picker = find("datePicker")
            mouseClick(Finder.find(picker, "dateButton"))
            tryVerify(() => picker.calendarOpen)
            const popup = Finder.find(picker, "calendarPopup")
            const title = Finder.find(popup.contentItem, "calendarTitle")
            compare(title.text, Qt.locale("ru_RU").standaloneMonthName(before.getMonth()) + " " + before.getFullYear() + " г.")
            // The first of the month stands under its weekday (Monday first).
            const first = Finder.find(popup.contentItem, "day1")
            compare(Math.round(first.x / first.width), (new Date(before.getFullYear(), before.getMonth(), 1).getDay() + 6) % 7)
            shoot("date-picker")

            for (let i = 0; i < 14; ++i)
                mouseClick(Finder.find(popup.contentItem, "nextMonthButton"))
            const expected = new Date(before.getTime())
            expected.setFullYear(before.getFullYear(), before.getMonth() + 14, 15)
            compare(title.text, Qt.locale("ru_RU").standaloneMonthName(expected.getMonth()) + " " + expected.getFullYear() + " г.")
            mouseClick(Finder.find(popup.contentItem, "day15"))
            tryVerify(() => !picker.calendarOpen)
            tryCompare(popup, "visible", false)

            const picked = screen.form.operationDate
            compare(picked.getFullYear(), expected.getFullYear())
            compare(picked.getMonth(), expected.getMonth())
            compare(picked.getDate(), 15)
            compare(picked.getHours(), before.getHours())
            compare(picked.getMinutes(), before.getMinutes())
            compare(Finder.find(picker, "dateButton").text, Qt.formatDate(expected, "dd.MM.yyyy"))
            verify(picked > new Date())

            // Back across a year boundary.
            mouseClick(Finder.find(picker, "dateButton"))
            tryVerify(() => picker.calendarOpen)
            for (let i = 0; i < 13; ++i)
                mouseClick(Finder.find(popup.contentItem, "previousMonthButton"))
            const earlier = new Date(expected.getFullYear(), expected.getMonth() - 13, 1)
            compare(title.text, Qt.locale("ru_RU").standaloneMonthName(earlier.getMonth()) + " " + earlier.getFullYear() + " г.")
            keyClick(Qt.Key_Escape)
            tryVerify(() => !picker.calendarOpen)
            compare(screen.form.operationDate, picked)
        }
    }
}
