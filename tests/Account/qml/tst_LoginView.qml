import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Account
import TarvikTest

// The sign-in screen against the stand-in through the real store.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: loginComponent
        LoginView { width: root.width; height: root.height }
    }

    SignalSpy {
        id: sessionStarted
        target: AccountStore
        signalName: "sessionStarted"
    }

    TestCase {
        name: "LoginView"
        when: windowShown

        property var view
        readonly property string signInKey: "/ajax/login.jsp"

        function init() {
            Standin.reset()
            sessionStarted.clear()
            view = createTemporaryObject(loginComponent, root)
        }

        // Items of the screen, and of its sheet in the window's overlay.
        function part(name) {
            return findChild(root.parent, name)
        }

        function type(text) {
            for (const c of text)
                keyClick(c)
        }

        function test_refusedOrFailedSignIn_data() {
            return [
                { tag: "both empty", login: "", password: "", message: "Введите логин и пароль", requests: 0 },
                { tag: "no password", login: "demo", password: "", message: "Введите логин и пароль", requests: 0 },
                { tag: "no login", login: "", password: "x", message: "Введите логин и пароль", requests: 0 },
                { tag: "wrong password", login: "demo", password: "wrong", message: "Неверный логин или пароль", requests: 1 },
                // Passes the screen's check; the store trims the login to nothing and refuses it.
                { tag: "login of spaces", login: "  ", password: "x", message: "Неверный логин или пароль", requests: 0 },
                { tag: "site unavailable", login: "demo", password: "tarvik2026", status: 503,
                  message: "Личный кабинет временно недоступен. Попробуйте позже.", requests: 1 },
                // In the subscriber's words, not the transport's.
                { tag: "connection lost", login: "demo", password: "tarvik2026", dropped: true,
                  message: "Соединение с сервером прервалось.", requests: 1 },
            ]
        }

        function test_refusedOrFailedSignIn(data) {
            if (data.status)
                Standin.answer(signInKey, data.status, "")
            if (data.dropped)
                Standin.dropConnections(signInKey)
            view.login = data.login
            view.password = data.password
            mouseClick(part("signInButton"))
            tryCompare(view, "error", data.message)
            tryCompare(AccountStore, "isLoading", false)
            verify(part("errorText").visible)
            compare(Standin.requestCount(signInKey), data.requests)
            compare(Haptics.count(Haptics.NotificationError), 1)
            compare([view.login, view.password, sessionStarted.count], [data.login, data.password, 0])

            // One typed character removes the message at once.
            mouseClick(part("passwordField"))
            type("y")
            compare(view.error, "")
            verify(!part("errorText").visible)
        }

        // Return moves from the login to the password; Return there signs in through the whole
        // session: focus gone, spinner and disabled button while the site answers, then the session.
        function test_signInWithTheKeyboard() {
            Standin.hold(signInKey)
            mouseClick(part("loginField"))
            type(Standin.login)
            keyClick(Qt.Key_Return)
            verify(part("passwordField").activeFocus)
            type(Standin.password)
            keyClick(Qt.Key_Return)
            tryVerify(() => Standin.requestCount(signInKey) === 1)
            verify(!part("passwordField").activeFocus)
            verify(!part("signInButton").enabled)
            compare(part("signInButton").Accessible.name, "Загрузка")

            // The store would refuse a second sign-in as "unavailable" while this one may succeed.
            mouseClick(part("passwordField"))
            keyClick(Qt.Key_Return)
            wait(50)
            compare(view.error, "")

            Standin.release(signInKey)
            tryCompare(sessionStarted, "count", 1, 10000)
            compare([view.login, view.password, view.error], [Standin.login, "", ""])
            compare(Standin.requestCount(signInKey), 1)
            compare(Haptics.count(Haptics.NotificationSuccess), 1)
            compare(Haptics.count(Haptics.NotificationError), 0)
            verify(AccountStore.account.accountNumber.length > 0)
        }

        function test_eyeButtonKeepsTextAndFocus() {
            const password = part("passwordField")
            mouseClick(password)
            type("abc")
            mouseClick(part("showPasswordButton"))
            compare(password.echoMode, TextInput.Normal)
            compare(part("showPasswordButton").text, "Скрыть пароль")
            verify(password.activeFocus)
            type("d")
            mouseClick(part("showPasswordButton"))
            compare(password.echoMode, TextInput.Password)
            compare(view.password, "abcd")
        }

        function test_recoverySheetLeavesTheFormAsItWas() {
            view.login = "demo"
            mouseClick(part("signInButton"))
            const message = view.error
            mouseClick(part("loginField"))
            mouseClick(part("forgotPasswordButton"))
            verify(!part("loginField").activeFocus)
            tryVerify(() => part("closeButton") !== null && part("closeButton").visible)
            mouseClick(part("closeButton"))
            tryCompare(view, "forgotPasswordPresented", false)
            compare([view.login, view.password, view.error], ["demo", "", message])

            // It opens again after being closed.
            mouseClick(part("forgotPasswordButton"))
            tryVerify(() => part("closeButton") !== null && part("closeButton").visible)
            mouseClick(part("closeButton"))
            tryCompare(view, "forgotPasswordPresented", false)
        }
    }
}
