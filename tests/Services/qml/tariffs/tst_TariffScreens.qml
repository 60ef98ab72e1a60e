import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The tariff overview from the store's account, the chooser as its sheet, the change order with
// both package sheets and the pickers, and the sending of the order.
Item {
    id: root
    width: 393
    height: 852

    // As the app's window: the screens end above the keyboard's bar.
    NavigationStack {
        id: stack
        anchors.fill: parent
        anchors.bottomMargin: TextEditing.keyboardHeight
        initialItem: TariffManagementView {}
    }

    KeyboardToolbar {
        id: keyboardBar
    }

    TestCase {
        name: "TariffScreens"
        when: windowShown

        function init() {
            verify(Account.reset())
        }

        function cleanup() {
            const sheet = Finder.find(stack.get(0), "chooserSheet")
            sheet.close()
            tryCompare(sheet, "visible", false)
        }

        function shoot(name) {
            Finder.shoot(this, root, "services-" + name, Account)
        }

        function alertButton(alert, text) {
            for (let i = 0; i < alert.buttons.length; ++i) {
                if (alert.buttons[i].text === text)
                    return alert.buttons[i]
            }
            return null
        }

        function openChooser() {
            const overview = stack.get(0)
            mouseClick(Finder.find(overview, "changeTariffButton"))
            const sheet = Finder.find(overview, "chooserSheet")
            tryCompare(sheet, "opened", true)
            const chooserStack = sheet.item
            tryCompare(chooserStack, "busy", false)
            return chooserStack
        }

        // Scrolls the screen's column until `item` is on screen, then taps it.
        function tapInScreen(screen, item) {
            const scroller = Finder.find(screen, candidate => candidate.contentY !== undefined && candidate.flick !== undefined)
            if (scroller) {
                const inContent = item.mapToItem(scroller.contentItem, 0, 0)
                const target = Math.max(0, Math.min(inContent.y - 80, scroller.contentHeight - scroller.height))
                scroller.contentY = target
            }
            mouseClick(item)
        }

        function test_overviewShowsTheAccount() {
            const overview = stack.get(0)
            tryCompare(Finder.find(overview, "accountLine"), "text", "Лицевой счёт 684782")
            compare(Finder.find(overview, "tariffName").text, "Домашний Турбо")
            compare(Finder.find(overview, "tariffPrice").text, "890 ₽/мес.")
            compare(Finder.find(overview, "speedStatus").value, "500 Мбит/с")
            compare(Finder.find(overview, "internetIncluded").subtitle, "500 Мбит/с")
            compare(Finder.find(overview, "tvStatus").value, "Подключено")
            compare(Finder.find(overview, "tvIncluded").subtitle, "Каналы и кино")
            compare(Finder.find(overview, "statusBadge").text, "Активен")
            shoot("tariff-overview")

            verify(Account.publishTariff("Очень длинное название тарифа для проверки переноса", "1000", "1 290", false))
            tryCompare(Finder.find(overview, "tvStatus"), "value", "Не подключено")
            compare(Finder.find(overview, "tvIncluded").subtitle, "Не подключено")
            compare(Finder.find(overview, "speedStatus").value, "1000 Мбит/с")
            compare(Finder.find(overview, "tariffPrice").text, "1 290 ₽/мес.")
            verify(Finder.find(overview, "tariffName").lineCount <= 2)
            compare(Finder.find(overview, "statusBadge").text, "Активен")
            shoot("tariff-overview-long-name")
        }

        function test_chooserSelectionAndCategories() {
            const chooserStack = openChooser()
            const chooser = chooserStack.currentItem
            compare(chooser.title, "Другой тариф")
            const connect = Finder.find(chooser, "connectButton")
            compare(connect.title, "Выберите тариф")
            verify(!connect.enabled)
            compare(connect.opacity, 0.45)
            shoot("tariff-chooser")

            // The current plan cannot be chosen.
            mouseClick(Finder.find(chooser, "planRow_Tarvik 500"))
            verify(!chooser.selection.hasSelection)

            mouseClick(Finder.find(chooser, "planRow_Tarvik 700"))
            compare(connect.title, "Подключить Tarvik 700")
            verify(connect.enabled)
            verify(Finder.find(chooser, "planRow_Tarvik 700").selected)
            shoot("tariff-chooser-selected")

            const picker = Finder.find(chooser, "categoryPicker")
            mouseClick(Finder.find(picker, "segment1"))
            compare(chooser.selection.category, TariffCategory.Tv)
            verify(!chooser.selection.hasSelection)
            tryVerify(() => Finder.find(chooser, "planRow_Tarvik TV 300") !== null)
            verify(Finder.find(chooser, "planRow_Tarvik 700") === null)
            mouseClick(Finder.find(picker, "segment2"))
            tryVerify(() => Finder.find(chooser, "planRow_Tarvik Mobile 1000") !== null)
            // The longest features line wraps inside its column: the price and the mark keep
            // their room and the card's padding.
            const longest = Finder.find(chooser, "planRow_Tarvik Mobile 1000")
            mouseClick(longest)
            tryVerify(() => !isPolishScheduled(longest.parent) && !isPolishScheduled(longest.contentItem.children[0]))
            const price = Finder.find(longest, "planPrice")
            const mark = Finder.find(longest, "planMark")
            const rightOf = item => item.mapToItem(longest, item.width, 0).x
            verify(rightOf(mark) <= longest.width - 16 + 0.5, "mark at " + rightOf(mark))
            verify(mark.width >= mark.implicitWidth - 0.5)
            verify(rightOf(price) <= mark.mapToItem(longest, 0, 0).x - 14 + 0.5, "price at " + rightOf(price))
            verify(price.width >= price.implicitWidth - 0.5)
            shoot("tariff-chooser-mobile")
            mouseClick(Finder.find(picker, "segment0"))
            tryVerify(() => Finder.find(chooser, "planRow_Tarvik 700") !== null)
            verify(!Finder.find(chooser, "planRow_Tarvik 700").selected)
            compare(connect.title, "Выберите тариф")

            // "Закрыть" closes the sheet and leaves the overview as it was.
            mouseClick(Finder.find(chooser, "closeButton"))
            tryCompare(Finder.find(stack.get(0), "chooserSheet"), "visible", false)
            compare(stack.depth, 1)
        }

        function test_orderWithPackagesPickersAndSending() {
            const chooserStack = openChooser()
            const chooser = chooserStack.currentItem
            mouseClick(Finder.find(chooser, "planRow_Tarvik 700"))
            mouseClick(Finder.find(chooser, "connectButton"))
            tryCompare(chooserStack, "busy", false)
            compare(chooserStack.depth, 2)
            const form = chooserStack.currentItem
            compare(form.title, "Подключение тарифа")
            compare(form.plan.name, "Tarvik 700")
            compare(Finder.find(form, "totalLine").value, "1090 ₽/мес.")
            compare(Finder.find(form, "tvOptionRow").subtitle, "Выбрать пакет или подписки")
            compare(Finder.find(form, "mobileOptionRow").subtitle, "Выбрать пакет")
            shoot("tariff-order")

            // The TV sheet: an add-on brings the free base package.
            mouseClick(Finder.find(form, "tvOptionRow"))
            const tvSheet = Finder.find(form, "tvSheet")
            tryCompare(tvSheet, "opened", true)
            const tvPage = tvSheet.item.currentItem
            verify(Finder.find(tvPage, "noTVRow").selected)
            tapInScreen(tvPage, Finder.find(tvPage, "addonRow_67"))
            verify(Finder.find(tvPage, "addonRow_67").selected)
            verify(Finder.find(tvPage, "baseRow_0").selected)
            verify(!Finder.find(tvPage, "noTVRow").selected)
            shoot("tariff-tv-sheet")
            // The order behind the sheet follows at once.
            compare(Finder.find(form, "tvOptionRow").subtitle, "Бесплатный · 0 ₽ · ещё 1")
            mouseClick(Finder.find(tvSheet.item, "doneButton"))
            tryCompare(tvSheet, "visible", false)

            // The mobile sheet.
            mouseClick(Finder.find(form, "mobileOptionRow"))
            const mobileSheet = Finder.find(form, "mobileSheet")
            tryCompare(mobileSheet, "opened", true)
            const mobilePage = mobileSheet.item.currentItem
            verify(Finder.find(mobilePage, "noMobileRow").selected)
            mouseClick(Finder.find(mobilePage, "mobileRow_mobile-30"))
            verify(Finder.find(mobilePage, "mobileRow_mobile-30").selected)
            compare(Finder.find(mobilePage, "mobileRow_mobile-30").price, "300 ₽/мес.")
            verify(!Finder.find(mobilePage, "noMobileRow").selected)
            shoot("tariff-mobile-sheet")
            mouseClick(Finder.find(mobileSheet.item, "doneButton"))
            tryCompare(mobileSheet, "visible", false)
            compare(Finder.find(form, "mobileOptionRow").subtitle, "Оптимальный · 300 ₽/мес.")
            compare(Finder.find(form, "totalLine").value, (1090 + 599 + 300) + " ₽/мес.")

            // The visit: a later day through the calendar, a time through the wheels.
            const datePicker = Finder.find(form, "visitDatePicker")
            tapInScreen(form, Finder.find(datePicker, "dateButton"))
            tryVerify(() => datePicker.calendarOpen)
            const calendar = Finder.find(datePicker, "calendarPopup")
            tryCompare(calendar, "opacity", 1)
            shoot("tariff-date-picker")
            mouseClick(Finder.find(calendar.contentItem, "nextMonthButton"))
            mouseClick(Finder.find(calendar.contentItem, "day15"))
            tryCompare(calendar, "visible", false)
            compare(form.order.visitDate.getDate(), 15)
            const timePicker = Finder.find(form, "visitTimePicker")
            mouseClick(Finder.find(timePicker, "timeButton"))
            tryVerify(() => timePicker.wheelsOpen)
            const wheels = Finder.find(timePicker, "timePopup")
            tryCompare(wheels, "opacity", 1)
            // The row under the band is the next hour (the one above it after 23).
            const hours = Finder.find(wheels.contentItem, "hourWheel")
            const before = form.order.visitTime.getHours()
            const step = before < 23 ? 1 : -1
            mouseClick(hours, hours.width / 2, hours.height / 2 + step * hours.rowHeight)
            tryVerify(() => form.order.visitTime.getHours() === before + step)
            shoot("tariff-time-picker")
            mouseClick(Finder.find(wheels.contentItem, "doneButton"))
            tryCompare(wheels, "visible", false)
            compare(Finder.find(timePicker, "timeButton").text,
                    form.order.visitTime.toLocaleTimeString(Qt.locale("ru_RU"), "HH:mm"))
            compare(form.order.visitDate.getDate(), 15)

            // Sending: one at a time, then the alert; "Готово" goes back to the chooser.
            const submit = Finder.find(form, "submitButton")
            tapInScreen(form, submit)
            compare(submit.title, "Отправляем…")
            verify(!submit.enabled)
            mouseClick(submit)
            const accepted = Finder.find(form, "acceptedAlert")
            tryCompare(accepted, "opened", true)
            compare(accepted.message, "Специалист Tarvik свяжется с вами и подтвердит тариф «Tarvik 700», 24ТВ «Бесплатный» и "
                    + "AMEDIATEKA и мобильная связь «Оптимальный». Итого — 1989 ₽ в месяц.")
            compare(submit.title, "Отправить заявку")
            shoot("tariff-order-accepted")
            accepted.trigger(alertButton(accepted, "Готово"))
            tryCompare(chooserStack, "depth", 1)
            tryCompare(chooserStack, "busy", false)
        }

        // The comment editor grows with its text, and the form keeps the line being typed in view
        // above the keyboard's bar.
        function test_commentEditorGrowsAndFollowsTheCursor() {
            const chooserStack = openChooser()
            mouseClick(Finder.find(chooserStack.currentItem, "planRow_Tarvik 700"))
            mouseClick(Finder.find(chooserStack.currentItem, "connectButton"))
            tryCompare(chooserStack, "busy", false)
            const form = chooserStack.currentItem
            const editor = Finder.find(form, "commentEditor")
            tapInScreen(form, editor)
            tryCompare(keyboardBar, "field", editor)
            const startHeight = editor.height
            for (let line = 1; line <= 8; ++line) {
                for (const c of "stroka " + line)
                    keyClick(c)
                if (line < 8)
                    keyClick(Qt.Key_Return)
            }
            compare(form.order.comment.split("\n").length, 8)
            tryVerify(() => editor.height > startHeight + 100)
            const viewport = form.flickable
            tryVerify(() => {
                const cursor = editor.mapToItem(viewport, editor.cursorRectangle.x, editor.cursorRectangle.y)
                return cursor.y >= 0 && cursor.y + editor.cursorRectangle.height <= viewport.height
            })
            // The view ends above the bar, and the bar covers nothing of it.
            const bar = findChild(keyboardBar, "keyboardDone")
            verify(viewport.mapToItem(root, 0, viewport.height).y <= bar.mapToItem(root, 0, 0).y)
            shoot("tariff-order-comment")
            mouseClick(bar)
            tryCompare(keyboardBar, "shown", false)
        }

        // A form that goes while its send waits reports nothing and leaves nothing behind.
        function test_leavingWhileSending() {
            const chooserStack = openChooser()
            mouseClick(Finder.find(chooserStack.currentItem, "planRow_Tarvik 1000"))
            mouseClick(Finder.find(chooserStack.currentItem, "connectButton"))
            tryCompare(chooserStack, "busy", false)
            const form = chooserStack.currentItem
            form.order.submit()
            verify(form.order.request.sending)
            chooserStack.pop()
            tryCompare(chooserStack, "busy", false)
            tryCompare(chooserStack, "depth", 1)
            // The next tests run on past the pause: a send that fired into the gone screen would show there.
        }
    }
}
