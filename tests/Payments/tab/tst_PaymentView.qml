import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The payments tab over the demo subscriber: the texts it takes from the published account, the
// five latest operations with their colours and dividers, the empty state, and where each tile
// leads. The tab loads nothing of its own.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: tabComponent
        PaymentView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "PaymentView"
        when: windowShown

        property var view: null

        function init() {
            verify(Account.reset())
            view = createTemporaryObject(tabComponent, root)
            verify(view)
        }

        function find(name) {
            return Finder.find(view, name)
        }

        function findAll(name) {
            const found = []
            Finder.find(view, candidate => {
                if (candidate.objectName === name)
                    found.push(candidate)
                return false
            })
            return found
        }

        function rows() {
            return findAll("historyRow")
        }

        function dividerFlags() {
            return rows().map(row => Finder.find(row, "historyDivider").visible)
        }

        function shoot(name) {
            Finder.shoot(this, root, "paymentstab-" + name, Account)
        }

        // Scrolls the panel as far as it goes towards the history card.
        function scrollToHistory() {
            const card = find("historyCard")
            const panel = find("paymentPanel")
            panel.contentY = Math.min(card.mapToItem(panel.contentItem, 0, 0).y - 40, panel.contentHeight - panel.height)
            wait(50)
        }

        function payment(date, title, sum) {
            return { pay_date: date, pay_sys: title, pay_summ: sum }
        }

        function test_headerAndSummaryFollowTheAccount() {
            compare(find("accountNumberLine").text, "Лицевой счёт 684782")
            compare(find("balanceText").text, "1250,50 ₽")
            compare(find("recommendedMetric").value, "890 ₽")
            shoot("demo")

            verify(Account.publishMoney("-150.75", ""))
            compare(find("balanceText").text, "-150,75 ₽")
            compare(find("recommendedMetric").value, "— ₽")

            Account.signOut()
            compare(find("accountNumberLine").text, "Лицевой счёт —")
            compare(find("balanceText").text, "—")
            compare(find("recommendedMetric").value, "— ₽")
            verify(find("historyEmptyState").visible)
            compare(rows().length, 0)
            shoot("placeholder-account")
        }

        // The stand-in's twelve payments: the first five, in the site's order.
        function test_showsTheFirstFiveOperations() {
            const shown = rows()
            compare(shown.length, 5)
            compare(shown.map(row => row.operation.title),
                    ["СБП", "Абонентская плата", "Банковская карта", "Абонентская плата", "Статический IP-адрес"])
            compare(dividerFlags(), [true, true, true, true, false])
            verify(!find("historyEmptyState").visible)

            scrollToHistory()
            shoot("history")
        }

        function test_rowColoursFollowTheSign() {
            const shown = rows()
            const incoming = shown[0]
            const outgoing = shown[1]
            compare(Finder.find(incoming, "operationAmount").text, "1000 ₽")
            compare(Finder.find(incoming, "operationBadge").color, Theme.withOpacity(Theme.tarPink, 0.12))
            compare(Finder.find(incoming, "operationBadge").tint, Theme.tarPink)
            compare(Finder.find(incoming, "operationAmount").color, Theme.systemGreen)

            compare(Finder.find(outgoing, "operationAmount").text, "-890 ₽")
            compare(Finder.find(outgoing, "operationBadge").color, Theme.withOpacity(Theme.tarOrange, 0.12))
            compare(Finder.find(outgoing, "operationBadge").tint, Theme.tarOrange)
            compare(Finder.find(outgoing, "operationAmount").color, Theme.tarInk)
        }

        function test_historyCounts_data() {
            const fee = payment("01.12.2026", "Абонентская плата", "-890")
            const topUp = payment("30.11.2026", "СБП", "1000")
            return [
                // Equal payments on one day: every row but the last keeps its divider.
                { tag: "equal payments", payments: [topUp, fee, fee], dividers: [true, true, false] },
                { tag: "none", payments: [], dividers: [] }
            ]
        }

        function test_historyCounts(data) {
            verify(Account.publishPayments(data.payments))
            tryCompare(view.history, "count", data.dividers.length)
            compare(dividerFlags(), data.dividers)
            compare(find("historyEmptyState").visible, data.payments.length === 0)
            if (data.tag === "equal payments") {
                compare(rows()[1].operation.id, rows()[2].operation.id)
                scrollToHistory()
                shoot("equal-payments")
            }
            if (data.tag === "none") {
                scrollToHistory()
                shoot("no-payments")
            }
        }

        // Tiles 1 and 3 and the link push a screen and open no sheet; tile 2 opens its sheet.
        function test_tilesLeadToTheirScreens_data() {
            return [
                { tag: "statements", control: "statementsTile", pushed: "Заявления" },
                { tag: "trust payment", control: "trustPaymentTile", pushed: "" },
                { tag: "statistics", control: "statisticsTile", pushed: "Статистика" },
                { tag: "all operations", control: "allOperationsLink", pushed: "Статистика" }
            ]
        }

        function test_tilesLeadToTheirScreens(data) {
            const control = find(data.control)
            const panel = find("paymentPanel")
            panel.contentY = Math.min(control.mapToItem(panel.contentItem, 0, 0).y - 100, panel.contentHeight - panel.height)
            wait(50)
            mouseClick(control)
            tryCompare(view, "busy", false)
            const sheet = find("trustPaymentSheet")
            compare(view.showTrustPayment, !data.pushed)
            verify(!view.showAutopay)
            if (data.pushed) {
                compare(view.depth, 2)
                compare(view.currentItem.title, data.pushed)
                verify(!sheet.visible)
                return
            }
            compare(view.depth, 1)
            tryCompare(sheet, "opened", true)
            tryCompare(sheet.item.controller, "isLoading", false, 10000)
            shoot("trust-sheet")
            sheet.close()
            tryCompare(view, "showTrustPayment", false)
            tryCompare(sheet, "visible", false)
        }

        // "Пополнить баланс" on the summary card opens the top-up flow with an empty amount.
        function test_topUpButtonOpensAnEmptyFlow() {
            const button = find("topUpButton")
            verify(button)
            mouseClick(button)
            const sheet = find("topUpSheet")
            tryCompare(sheet, "opened", true)
            const flow = sheet.item.item
            verify(flow)
            compare(flow.amount, "")
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        function test_autopayBannerOpensItsSheet() {
            mouseClick(find("autopayBanner"))
            verify(view.showAutopay)
            const sheet = find("autopaySheet")
            tryCompare(sheet, "opened", true)
            mouseClick(Finder.button(sheet.item, "Закрыть"))
            tryCompare(view, "showAutopay", false)
            tryCompare(sheet, "visible", false)
        }

        // The tab shows what the store has; pulling the panel neither bounces nor loads.
        function test_loadsNothingAndDoesNotBounce() {
            const panel = find("paymentPanel")
            tryCompare(panel, "boundsBehavior", Flickable.StopAtBounds)
            mouseDrag(panel, panel.width / 2, 100, 0, 300)
            wait(100)
            compare(panel.contentY, 0)
            compare(JSON.stringify(Account.requestKeys()), "[]")
        }
    }
}
