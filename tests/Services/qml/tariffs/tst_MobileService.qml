import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The mobile service screen: offers, the number field with its check and error line, the
// summary, sending and the confirmation sheet.
Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage { title: "Сервисы" }
    }

    Component {
        id: mobileService
        MobileServiceView {}
    }

    TestCase {
        name: "MobileService"
        when: windowShown

        property var screen: null

        function init() {
            verify(Account.reset())
            screen = stack.push(mobileService)
            tryCompare(stack, "busy", false)
        }

        function cleanup() {
            stack.popToRoot()
            tryCompare(stack, "busy", false)
        }

        function find(name) {
            return Finder.find(screen, name)
        }

        function shoot(name) {
            Finder.shoot(this, root, "services-" + name, Account)
        }

        function scrollTo(item) {
            const scroller = Finder.find(screen, candidate => candidate.contentY !== undefined && candidate.flick !== undefined)
            const inContent = item.mapToItem(scroller.contentItem, 0, 0)
            scroller.contentY = Math.max(0, Math.min(inContent.y - 120, scroller.contentHeight - scroller.height))
        }

        function typeNumber(text) {
            const field = find("numberField")
            scrollTo(field)
            field.forceActiveFocus()
            field.selectAll()
            if (text.length === 0)
                keyClick(Qt.Key_Delete)
            for (const character of text)
                keyClick(character)
        }

        function test_freshScreen() {
            compare(screen.title, "Мобильная связь")
            compare(Finder.find(find("hero"), "heroPrice").text, "300 ₽")
            compare(find("internetFeature").value, "30 ГБ")
            compare(find("callsFeature").value, "600 минут")
            verify(find("packageCard_mobile-30").selected)
            verify(!find("packageCard_mobile-10").selected)
            verify(find("transferSwitch").checked)
            compare(find("numberField").text, "")
            verify(!find("numberError").visible)
            verify(find("summaryLine").text.endsWith("+7"))
            const submit = find("submitButton")
            verify(!submit.enabled)
            compare(submit.opacity, 0.45)
            shoot("mobile")
        }

        // Typed key by key; the field keeps the phone entry rule, and the "+7" beside it is never
        // shown twice.
        function test_numberCheck_data() {
            return [
                { tag: "ten digits", typed: "999 123-45-67", shown: "999 123-45-67", valid: true },
                { tag: "eleven with 7", typed: "+7 999 123-45-67", shown: "999 123-45-67", valid: true },
                { tag: "eleven with 8", typed: "8 999 123-45-67", shown: "999 123-45-67", valid: true },
                { tag: "an 812 number", typed: "812 555-12-34", shown: "812 555-12-34", valid: true },
                { tag: "eleven starting 9 keep ten", typed: "99912345678", shown: "999 123-45-67", valid: true },
                { tag: "eight digits", typed: "999 123-45", shown: "999 123-45", valid: false },
            ]
        }

        function test_numberCheck(data) {
            typeNumber(data.typed)
            compare(find("numberField").text, data.shown)
            compare(find("numberError").visible, !data.valid)
            compare(find("submitButton").enabled, data.valid)
            compare(find("submitButton").opacity, data.valid ? 1 : 0.45)
            verify(find("summaryLine").text.endsWith("+7 " + data.shown))
            compare(find("summaryLine").text.indexOf("+7 +7"), -1)
            if (!data.valid)
                shoot("mobile-number-error")
        }

        // The field takes what a phone pad types: letters typed do not get in, and pasted ones
        // are dropped by the phone entry rule; neither reaches the summary.
        function test_numberTakesWhatThePhonePadTypes() {
            typeNumber("abc999 123-45-67")
            const field = find("numberField")
            compare(field.text, "999 123-45-67")
            field.insert(3, "xyz")
            compare(field.text, "999 123-45-67")
            field.insert(0, "\u0669")
            compare(field.text, "999 123-45-67")
            verify(find("summaryLine").text.endsWith("+7 999 123-45-67"))
            verify(find("submitButton").enabled)
        }

        function test_offersAndSending() {
            mouseClick(find("packageCard_mobile-unlimited"))
            verify(find("packageCard_mobile-unlimited").selected)
            compare(find("internetFeature").value, "∞ ГБ")
            compare(find("callsFeature").value, "1 500 минут")
            compare(find("summaryPrice").text, "650 ₽/мес")
            compare(find("summaryTitle").text, "Безлимит")

            // Without a transfer the field is hidden but kept, and sending is allowed.
            typeNumber("12")
            const transfer = find("transferSwitch")
            scrollTo(transfer)
            mouseClick(transfer)
            verify(!screen.order.transferNumber)
            verify(!find("numberField").visible)
            verify(find("submitButton").enabled)
            compare(find("summaryLine").text.indexOf("+7"), -1)
            tryVerify(() => transfer.settled)
            shoot("mobile-new-number")

            const submit = find("submitButton")
            scrollTo(submit)
            mouseClick(submit)
            compare(submit.title, "Отправляем…")
            compare(submit.icon, "hourglass")
            verify(!submit.enabled)
            compare(submit.opacity, 1)
            const sheet = find("confirmationSheet")
            tryCompare(sheet, "opened", true)
            compare(sheet.item.title, "Заявка принята")
            compare(sheet.item.message, "Подключаем пакет «Безлимит» с новым номером Tarvik. Специалист скоро свяжется с вами.")
            compare(submit.title, "Подключить")
            shoot("mobile-confirmation")
            sheet.close()
            tryCompare(sheet, "visible", false)
            verify(!screen.order.request.confirmed)

            // Back on: the same number is there again.
            mouseClick(transfer)
            compare(find("numberField").text, "12")
            verify(find("numberError").visible)
        }

        function test_cancelledSendShowsTheAlert() {
            typeNumber("8 999 123 45 67")
            screen.order.submit()
            verify(screen.order.request.sending)
            screen.order.request.cancel()
            const alert = find("requestErrorAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Не удалось отправить")
            compare(alert.message, "Операция отменена.")
            verify(!screen.order.request.sending)
            compare(find("submitButton").title, "Подключить")
            alert.close()
            tryCompare(alert, "visible", false)
            verify(!screen.order.request.hasError)
        }
    }
}
