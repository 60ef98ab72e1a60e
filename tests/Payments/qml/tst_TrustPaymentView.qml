import QtQuick
import QtTest
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The trust payment against the stand-in: the status after the refresh, the confirmation, "set1"
// reaching the site once, the result card and the error alert with its retry.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: trustComponent
        TrustPaymentView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "TrustPaymentView"
        when: windowShown

        property var view: null

        function init() {
            verify(Standin.reset())
        }

        function cleanup() {
            Standin.release("set1")
            Standin.release("/ajax/login.jsp")
        }

        function find(name) {
            return Finder.find(view, name)
        }

        function alertButton(alert, text) {
            for (let i = 0; i < alert.buttons.length; ++i) {
                if (alert.buttons[i].text === text)
                    return alert.buttons[i]
            }
            fail("no button " + text)
        }

        function open() {
            view = createTemporaryObject(trustComponent, root)
            verify(view)
            return view
        }

        function openLoaded() {
            open()
            tryCompare(view.controller, "isLoading", false, 10000)
            verify(view.controller.hasStatus)
        }

        // Taps the main button and answers the confirmation with `choice`.
        function confirm(choice) {
            mouseClick(find("activateButton"))
            const alert = find("confirmationAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Подключить доверительный платёж?")
            compare(alert.message, "Биллинг рассчитает сумму автоматически. Погасить её нужно в течение 5 календарных дней.")
            Finder.shoot(this, root, "payments-trust-confirmation", Standin)
            alert.trigger(alertButton(alert, choice))
            tryCompare(alert, "visible", false)
        }

        function test_theButtonWaitsForTheStatus() {
            Standin.hold("/ajax/login.jsp")
            open()
            tryVerify(() => Standin.heldCount() === 1)
            const button = find("activateButton")
            verify(find("statusLoadingRow").visible)
            verify(!find("statusLine").visible)
            verify(!button.enabled)
            compare(button.opacity, 0.48)
            compare(button.text, "Подключить доверительный платёж")
            Finder.shoot(this, root, "payments-trust-loading", Standin)

            Standin.release("/ajax/login.jsp")
            tryCompare(view.controller, "isLoading", false, 10000)
            verify(!find("statusLoadingRow").visible)
            verify(find("statusLine").visible)
            compare(find("statusMessage").text, "Доступность и сумму определит оператор после подтверждения заявки.")
            verify(button.enabled)
            compare(button.opacity, 1)
            Finder.shoot(this, root, "payments-trust", Standin)
            // The status comes after a fresh load of the account, and sends nothing of its own.
            verify(Standin.requestCount("action2") >= 1)
            compare(Standin.requestCount("set1"), 0)
        }

        // An alert shown with no text of the controller's still says something.
        function test_errorAlertFallsBackToItsOwnText() {
            open()
            const alert = find("trustErrorAlert")
            alert.open()
            tryCompare(alert, "opened", true)
            compare(alert.message, "Попробуйте позже")
            alert.close()
            tryCompare(alert, "visible", false)
        }

        function test_cancellingTheConfirmationSendsNothing() {
            openLoaded()
            confirm("Отмена")
            wait(100)
            compare(Standin.requestCount("set1"), 0)
            verify(find("activateButton").visible)
            verify(!find("resultCard").visible)
        }

        function test_activationSendsSet1OnceAndShowsTheSiteMessage() {
            openLoaded()
            Standin.hold("set1")
            confirm("Подключить")
            const button = find("activateButton")
            tryCompare(button, "text", "Подключаем…")
            verify(!button.enabled)
            view.controller.activate() // a second "Подключить" while the first runs
            tryVerify(() => Standin.heldCount() === 1)

            Standin.release("set1")
            tryCompare(find("resultCard"), "visible", true, 10000)
            compare(find("resultMessage").text, "Доверительный платёж подключён на 3 дня")
            Finder.shoot(this, root, "payments-trust-result", Standin)
            verify(!button.visible)
            compare(Standin.requestCount("set1"), 1)
            compare(Standin.lastQuery("set1"), { action: "set1" })
        }

        function test_aRefusalShowsTheSiteReasonAndKeepsTheButton() {
            Standin.answer("set1", "{\"result\":\"error\",\"reason\":\"Лимит на этот месяц исчерпан\"}")
            openLoaded()
            confirm("Подключить")
            const alert = find("trustErrorAlert")
            tryCompare(alert, "opened", true, 10000)
            compare(alert.title, "Не удалось оформить")
            compare(alert.message, "Лимит на этот месяц исчерпан")
            Finder.shoot(this, root, "payments-trust-error", Standin)
            alert.trigger(alertButton(alert, "Закрыть"))
            tryCompare(alert, "visible", false)
            compare(view.controller.hasError, false)
            verify(find("activateButton").visible)
            verify(find("activateButton").enabled)
            verify(!find("resultCard").visible)
        }

        function test_aFailedLoadKeepsTheButtonOffUntilRetried() {
            Standin.signOut()
            open()
            const alert = find("trustErrorAlert")
            tryCompare(alert, "opened", true, 10000)
            compare(alert.message, "Неверный логин или пароль")
            verify(!view.controller.hasStatus)
            verify(!find("activateButton").enabled)

            // "Закрыть" leaves the screen as it is.
            alert.trigger(alertButton(alert, "Закрыть"))
            tryCompare(alert, "visible", false)
            verify(!find("activateButton").enabled)
            verify(!find("statusLine").visible)

            // "Повторить" loads again; it succeeds once the session is back.
            view.controller.loadStatus()
            tryCompare(alert, "opened", true, 10000)
            verify(Standin.reset())
            alert.trigger(alertButton(alert, "Повторить"))
            tryCompare(view.controller, "hasStatus", true, 10000)
            tryCompare(alert, "visible", false)
            verify(find("activateButton").enabled)
            compare(view.controller.hasError, false)
        }
    }
}
