import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The statistics screen over the demo subscriber: the period picker and what it changes, the
// exact top-up total, and the operation rows or the single row of an account without payments.
Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage {
            title: "Оплата"
        }
    }

    Component {
        id: statisticsPage
        StatisticsView {}
    }

    Component {
        id: operationRow
        StatisticsOperationRow {
            width: 353
            icon: "arrow.down.left"
            date: "07.12.2026"
            amount: "+1 000 ₽"
            positive: true
        }
    }

    TestCase {
        name: "StatisticsView"
        when: windowShown

        property var view: null

        function init() {
            verify(Account.reset())
            view = stack.push(statisticsPage)
            tryCompare(stack, "busy", false)
        }

        function cleanup() {
            stack.pop(null)
            tryCompare(stack, "busy", false)
        }

        function find(name) {
            return Finder.find(view, name)
        }

        function metric(name) {
            return Finder.find(find(name), "metricValue").text
        }

        function entries() {
            const found = []
            Finder.find(view, candidate => {
                if (candidate.objectName === "operationEntry")
                    found.push(candidate)
                return false
            })
            return found.sort((a, b) => a.y - b.y)
        }

        function payment(date, title, sum) {
            return { pay_date: date, pay_sys: title, pay_summ: sum }
        }

        // The list places a row at the height it has when made: a row that grew afterwards (a
        // title that wraps) was made again and again while the list was wheeled.
        function test_rowHasItsHeightWhenMade_data() {
            return [
                { tag: "one line", title: "Пополнение" },
                { tag: "wrapping", title: "Пополнение через Систему быстрых платежей из приложения банка" }
            ]
        }

        function test_rowHasItsHeightWhenMade(data) {
            const row = createTemporaryObject(operationRow, root, { title: data.title })
            const made = row.implicitHeight
            waitForRendering(row)
            compare(row.implicitHeight, made)
            const amount = Finder.find(row, "operationAmount")
            verify(amount.x + amount.width <= row.width - 16)
        }

        function test_periodChangesOnlyTheExpense() {
            compare(view.period, StatisticsTexts.Month)
            const charges = AccountStore.account.monthlyCharges
            compare(metric("expenseCard"), charges)
            const topUps = metric("topUpCard")
            compare(find("periodLabel").text, "Месяц")
            Finder.shoot(this, root, "paymentstab-statistics", Account)

            mouseClick(Finder.find(find("periodPicker"), "segment1"))
            compare(view.period, StatisticsTexts.Quarter)
            compare(metric("expenseCard"), "—")
            compare(find("periodLabel").text, "3 месяца")
            compare(metric("topUpCard"), topUps)

            mouseClick(Finder.find(find("periodPicker"), "segment2"))
            compare(find("periodLabel").text, "Год")
            compare(metric("expenseCard"), "—")

            mouseClick(Finder.find(find("periodPicker"), "segment0"))
            compare(metric("expenseCard"), charges)
            compare(JSON.stringify(Account.requestKeys()), "[]")
        }

        function test_totalAndRowsFromThePayments() {
            verify(Account.publishPayments([
                payment("01.12.2026", "Абонентская плата", "-890"),
                payment("30.11.2026", "СБП", "1500,50"),
                payment("29.11.2026", "Банковская карта", "200"),
                payment("28.11.2026", "Бонус", "—")
            ]))
            compare(metric("topUpCard"), "1\u00A0700,5 ₽")
            tryCompare(view.operations, "count", 4)
            const shown = entries()
            compare(shown.length, 4)
            compare(shown.map(e => e.title), ["Абонентская плата", "СБП", "Банковская карта", "Бонус"])
            compare(shown.map(e => e.icon), ["arrow.up.right", "arrow.down.left", "arrow.down.left", "arrow.down.left"])
            compare(shown.map(e => Finder.find(e, "operationDivider").visible), [true, true, true, false])
            // Drawn: a whole device pixel high, 76 in from the card's leading edge.
            const divider = Finder.find(shown[0], "operationDivider")
            verify(divider.height * Screen.devicePixelRatio >= 1)
            compare(divider.x, 76)
            compare(divider.x + divider.width, shown[0].width)
            compare(Finder.find(shown[0], "operationAmount").color, Theme.tarInk)
            compare(Finder.find(shown[1], "operationAmount").color, Theme.systemGreen)
            Finder.shoot(this, root, "paymentstab-statistics-payments", Account)
        }

        function test_withoutPaymentsOneChargesRow() {
            verify(Account.publishPayments([]))
            tryCompare(view.operations, "count", 1)
            verify(view.operations.isPlaceholder)
            const only = entries()[0]
            compare(only.icon, "wifi")
            compare(only.date, "Текущий месяц")
            compare(only.amount, AccountStore.account.monthlyCharges)
            verify(!only.positive)
            verify(!Finder.find(only, "operationDivider").visible)
            compare(metric("topUpCard"), "—")
            Finder.shoot(this, root, "paymentstab-statistics-empty", Account)
        }

        // A long history scrolls; its last row ends above the screen's bottom padding.
        function test_longHistoryScrolls() {
            const list = []
            for (let i = 0; i < 40; ++i)
                list.push(payment("01.11.2026", "Платёж " + (i + 1), String(100 + i)))
            verify(Account.publishPayments(list))
            tryCompare(view.operations, "count", 40)
            const scroller = find("statisticsList")
            verify(scroller.contentHeight > scroller.height)
            scroller.positionViewAtEnd()
            wait(50)
            const card = find("operationsCard")
            verify(card.height > 40 * 60)
            Finder.shoot(this, root, "paymentstab-statistics-end", Account)
        }
    }
}
