import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The partner TV account sheet against the stand-in: typing in the mask, the mobile check, the
// request as the site sees it, its answers, one request at a time, and a sheet closed mid-request.
Item {
    id: root
    width: 393
    height: 852

    property bool presented: false

    Sheet {
        id: sheet
        presented: root.presented
        onClosed: root.presented = false
        sourceComponent: Component { TwentyFourTVAccountSheet {} }
    }

    TestCase {
        name: "TwentyFourTVAccountSheet"
        when: windowShown

        property var view: null

        function init() {
            verify(Standin.reset())
            root.presented = true
            tryVerify(() => sheet.item !== null)
            view = sheet.item
            tryCompare(sheet, "slide", 0)
        }

        function cleanup() {
            Standin.release("h42tv_add_account")
            root.presented = false
            tryVerify(() => sheet.item === null)
            view = null
        }

        function field() {
            return Finder.find(view, "phoneField")
        }
        function errorText() {
            const item = Finder.find(view, "errorText")
            return item.visible ? item.text : ""
        }
        function type(text) {
            const input = field()
            mouseClick(input)
            for (const c of text)
                keyClick(c)
        }
        function submit() {
            mouseClick(Finder.find(view, "createButton"))
        }

        function test_typingFollowsTheMask() {
            compare(field().text, "+7 ")
            type("8")
            compare(field().text, "+7 (8")
            keyClick(Qt.Key_Backspace)
            compare(field().text, "+7 ")
            type("999")
            compare(field().text, "+7 (999) ")
            // Deleting only the space after the bracket gives it back at once, and the cursor
            // stands after the last digit: the next Backspace deletes that digit.
            field().cursorPosition = field().length
            keyClick(Qt.Key_Backspace)
            compare(field().text, "+7 (999) ")
            keyClick(Qt.Key_Backspace)
            compare(field().text, "+7 (99")
            type("91234567123")
            compare(field().text, "+7 (999) 123-45-67")
            Finder.shoot(this, root, "partnertv-account-sheet", Standin)
        }

        function test_invalidNumbersStayOnTheDevice_data() {
            return [{ tag: "not mobile", digits: "4950000000" }, { tag: "short", digits: "999123456" }]
        }

        function test_invalidNumbersStayOnTheDevice(data) {
            type(data.digits)
            submit()
            compare(errorText(), "Введите российский мобильный номер")
            compare(Haptics.count(Haptics.NotificationError), 1)
            compare(Standin.requestCount("h42tv_add_account"), 0)
            // Editing the number takes the message away.
            mouseClick(field())
            keyClick(Qt.Key_Backspace)
            compare(errorText(), "")
        }

        function test_createsTheAccountOnce() {
            type("9991234567")
            Standin.hold("h42tv_add_account")
            submit()
            tryVerify(() => Standin.heldCount() === 1, 10000)
            const button = Finder.find(view, "createButton")
            verify(!button.enabled)
            view.form.createAccount()
            Finder.shoot(this, root, "partnertv-account-sheet-sending", Standin)
            Standin.release("h42tv_add_account")
            const alert = Finder.find(view, "successAlert")
            tryVerify(() => alert.presented, 15000)
            compare(alert.message, "Аккаунт 24ТВ создан. Данные для входа отправлены в SMS.")
            compare(Standin.requestCount("h42tv_add_account"), 1)
            compare(Standin.lastQuery("h42tv_add_account").logname, "79991234567")
            compare(Haptics.count(Haptics.NotificationSuccess), 1)
            tryVerify(() => button.enabled)
            tryCompare(alert, "opacity", 1)
            // The alert lives in the window's overlay.
            Finder.shoot(this, root.Window.window.contentItem, "partnertv-account-sheet-done", Standin)
            // "Закрыть" closes the alert and the sheet.
            alert.trigger(alert.buttons[0])
            tryVerify(() => sheet.item === null)
        }

        function test_siteRefusalIsShownUnderTheField() {
            Standin.answer("h42tv_add_account", JSON.stringify({ result: "error", reason: "Номер уже зарегистрирован" }))
            type("9991234567")
            submit()
            tryVerify(() => errorText().length > 0, 15000)
            verify(errorText().indexOf("Номер уже зарегистрирован") >= 0, errorText())
            compare(field().text, "+7 (999) 123-45-67")
            compare(Haptics.count(Haptics.NotificationError), 1)
            verify(!Finder.find(view, "successAlert").presented)
            Finder.shoot(this, root, "partnertv-account-sheet-refused", Standin)
        }

        // A connection broken after the site read the request says, in Russian, that the account may
        // have been made (the subscriber has one already: the site cannot tell); the next try
        // starts without the old error, so that it is not left under the success alert.
        function test_aNewTryClearsTheLastFailure() {
            Standin.dropConnections("h42tv_add_account")
            type("9991234567")
            submit()
            tryCompare(view.form, "error", "Связь прервалась после отправки запроса: он мог быть выполнен. Проверьте результат, прежде чем повторять.", 15000)
            verify(errorText().length > 0)
            Finder.shoot(this, root, "partnertv-account-sheet-connection-lost", Standin)
            Standin.clearOverrides()
            Standin.hold("h42tv_add_account")
            submit()
            tryVerify(() => Standin.heldCount() === 1, 10000)
            compare(errorText(), "")
            Standin.release("h42tv_add_account")
            const alert = Finder.find(view, "successAlert")
            tryVerify(() => alert.presented, 15000)
            compare(errorText(), "")
            alert.trigger(alert.buttons[0])
            tryVerify(() => sheet.item === null)
        }

        function test_noSessionIsUnavailable() {
            Standin.signOut()
            type("9991234567")
            submit()
            tryCompare(view.form, "error", "Личный кабинет временно недоступен")
            compare(Standin.requestCount("h42tv_add_account"), 0)
        }

        function test_closingMidRequestLeavesTheRequestRunning() {
            type("9991234567")
            Standin.hold("h42tv_add_account")
            submit()
            tryVerify(() => Standin.heldCount() === 1, 10000)
            root.presented = false
            tryVerify(() => sheet.item === null)
            Standin.release("h42tv_add_account")
            // The account is created and the store refreshes; no destroyed sheet is touched.
            tryVerify(() => Standin.requestKeys().indexOf("h42tv_channels") >= 0, 15000)
            compare(Standin.requestCount("h42tv_add_account"), 1)
            compare(Haptics.count(Haptics.NotificationSuccess), 0)
            root.presented = true
            tryVerify(() => sheet.item !== null)
            view = sheet.item
            compare(field().text, "+7 ")
        }
    }
}
