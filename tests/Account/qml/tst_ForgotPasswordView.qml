import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Account
import TarvikTest

// The recovery sheet as the sign-in screen presents it, against the stand-in.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: loginComponent
        LoginView { width: root.width; height: root.height }
    }

    TestCase {
        name: "ForgotPasswordView"
        when: windowShown

        property var login
        readonly property string recoveryKey: "/pass_recovery_send.jsp"

        function init() {
            Standin.reset()
            login = createTemporaryObject(loginComponent, root)
            login.login = "demo"
            login.forgotPasswordPresented = true
            tryVerify(() => part("sendButton") !== null && part("sendButton").visible)
        }

        function part(name) {
            return findChild(root.parent, name)
        }

        function type(text) {
            for (const c of text)
                keyClick(c)
        }

        function send(account, phone) {
            part("accountField").text = account
            part("phoneField").text = phone
            mouseClick(part("sendButton"))
        }

        function test_fieldsKeepTheirRulesWhileTyping() {
            const phone = part("phoneField").input
            compare(phone.text, "+7 ")
            mouseClick(phone)
            phone.cursorPosition = phone.text.length
            type("9123")
            compare(phone.text, "+7 (912) 3")
            type("4567890")
            compare(phone.text, "+7 (912) 345-67-89")
            mouseClick(part("accountField").input)
            type("12a345678")
            compare(part("accountField").text, "1234567")
        }

        function test_refusedFormSendsNothing() {
            // "+7 " still holds the digit 7: not empty, just not a mobile number.
            send("684782", "+7 ")
            compare(part("recoveryErrorText").text, "Введите мобильный номер, начинающийся с +7 9")
            compare(Haptics.count(Haptics.NotificationError), 1)
            wait(50)
            compare(Standin.requestCount(recoveryKey), 0)
            mouseClick(part("accountField").input)
            type("1")
            verify(!part("recoveryErrorText").visible)
        }

        function test_failedRequestShowsItsText() {
            Standin.answer(recoveryKey, 200, "{\"res\": false, \"error\": \" 120 \"}")
            send("684782", "+7 (912) 345-67-89")
            tryCompare(part("recoveryErrorText"), "text", "Повторный запрос можно отправить через 120 сек.")
            verify(part("sendButton").enabled)
            compare(Haptics.count(Haptics.NotificationError), 1)
            compare([part("accountField").text, part("phoneField").text], ["684782", "+7 (912) 345-67-89"])
        }

        function test_sentRequestAndGotovoClosesTheSheet() {
            Standin.answer(recoveryKey, 200, "{\"res\": true, \"error\": \"ignored\"}")
            send("0012345", "8 (912) 345-67-89")
            tryCompare(part("sentAlert"), "opened", true)
            compare(Standin.lastQuery(recoveryKey), "bill=0012345&phone=79123456789")
            compare(part("sentAlert").message, "На указанный телефон отправлено SMS-сообщение с авторизационными данными.")
            compare(Haptics.count(Haptics.NotificationSuccess), 1)

            mouseClick(part("sentAlert").contentItem, part("sentAlert").width / 2, part("sentAlert").height - 22)
            tryCompare(login, "forgotPasswordPresented", false)
            tryVerify(() => part("sendButton") === null)
            compare([login.login, login.error], ["demo", ""])
        }

        function test_closingMidRequest() {
            Standin.hold(recoveryKey)
            send("684782", "+7 (912) 345-67-89")
            tryVerify(() => Standin.requestCount(recoveryKey) === 1)
            verify(!part("sendButton").enabled)
            compare(part("sendButton").opacity, 0.72)
            mouseClick(part("accountField").input)
            type("9")
            compare(part("accountField").text, "6847829")

            mouseClick(part("closeButton"))
            tryVerify(() => part("sendButton") === null)
            compare(login.forgotPasswordPresented, false)
            Standin.release(recoveryKey)
            // The answer lands after the sheet has gone: only its haptic is left to play.
            tryVerify(() => Haptics.total() === 1)

            login.forgotPasswordPresented = true
            tryVerify(() => part("sendButton") !== null && part("sendButton").visible)
            verify(part("sendButton").enabled)
            compare([part("accountField").text, part("phoneField").text], ["", "+7 "])
        }
    }
}
