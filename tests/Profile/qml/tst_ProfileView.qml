import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account
import Tarvik.Profile
import TarvikTest

Item {
    id: root
    width: 393
    height: 852

    NavigationStack {
        id: stack
        anchors.fill: parent
        initialItem: NavigationPage { title: "Главная" }
    }

    Component {
        id: profileComponent
        ProfileView {}
    }

    // As the app's window hosts it.
    UnopenedLinkSheet {
        id: linkFallback
    }

    SignalSpy {
        id: sessionEnded
        target: AccountStore
        signalName: "sessionEnded"
    }
    StoredPreference {
        id: verifiedEmail
        key: Defaults.verifiedEmail
    }
    StoredPreference {
        id: avatar
        key: Defaults.profileAvatarJpeg
    }
    StoredPreference {
        id: notificationsEnabled
        key: Defaults.notificationsEnabled
    }
    StoredPreference {
        id: twoFactor
        key: Defaults.twoFactorEnabled
    }

    TestCase {
        name: "ProfileView"
        when: windowShown

        function init() {
            verify(Account.reset())
            sessionEnded.clear()
        }

        function cleanup() {
            Account.releaseHeld()
            stack.popToRoot()
            tryCompare(stack, "busy", false)
        }

        function open() {
            const page = stack.push(profileComponent, {}, 1)
            tryCompare(stack, "busy", false)
            return page
        }

        function push(page, button) {
            mouseClick(findChild(page, button))
            tryCompare(stack, "busy", false)
            return stack.currentItem
        }

        function save(name) {
            grabImage(root).save(Account.screenshotPath("profile-" + name))
        }

        function test_headerAndContacts_data() {
            return [
                { tag: "the demo subscriber", mobile: "+7 (912) 345-67-89", home: "+7 (843) 555-12-34",
                  hero: "+7 (912) 345-67-89", phoneRow: "+7 (912) 345-67-89" },
                { tag: "no mobile number", mobile: "", home: "+7 (843) 555-12-34",
                  hero: "+7 (843) 555-12-34", phoneRow: "+7 (843) 555-12-34" },
                // The site's blanks read "—": the header falls back to the name.
                { tag: "no numbers", mobile: "  ", home: "",
                  hero: "Смирнова Анна Сергеевна", phoneRow: "—" }
            ]
        }

        function test_headerAndContacts(data) {
            verify(Account.publishPhones(data.mobile, data.home))
            const page = open()
            compare(page.title, "Профиль")
            compare(findChild(page, "profileName").text, "Смирнова Анна Сергеевна")
            compare(findChild(page, "profileHeroTitle").text, data.hero)
            compare(findChild(findChild(page, "phoneRow"), "rowValue").text, data.phoneRow)
            compare(findChild(findChild(page, "emailRow"), "rowValue").text, "Подключить")
            compare(findChild(findChild(page, "addressRow"), "rowValue").text, "г. Казань, ул. Баумана, д. 12, кв. 45")
            if (data.tag !== "the demo subscriber")
                return
            verify(!findChild(page, "avatarPicture").hasImage)
            verify(findChild(page, "silhouette").visible)
            save("profile")

            verifiedEmail.value = "anna@mail.ru"
            compare(findChild(findChild(page, "emailRow"), "rowValue").text, "anna@mail.ru")
            avatar.value = "не картинка"
            verify(findChild(page, "silhouette").visible)
            avatar.value = Account.jpegBase64()
            tryVerify(() => findChild(page, "avatarPicture").hasImage)
            verify(!findChild(page, "silhouette").visible)
            tryCompare(findChild(page, "avatarPicture"), "opacity", 1)
            save("profile-avatar")
        }

        // A stored e-mail of 250 000 characters (the settings refuse it on reading), and a name and
        // an address far longer than any real one (cut where the site's texts come in): the profile
        // lays out one line of each, cut short.
        function test_longTexts() {
            const email = "a".repeat(250000) + "@mail.ru"
            Account.storeAsWritten("tarvikVerifiedEmail", email)
            verify(Account.publishContacts("Смирнова".repeat(20000), "г. Казань, ул. Баумана".repeat(10000)))
            const page = open()
            compare(findChild(findChild(page, "emailRow"), "rowValue").text, "Подключить")
            for (const shown of [findChild(page, "profileName"), findChild(findChild(page, "addressRow"), "rowValue")]) {
                verify(shown.text.length <= 500, shown.objectName)
                verify(shown.truncated, shown.objectName)
                compare(shown.lineCount, 1, shown.objectName)
            }
            save("long-texts")
        }

        function test_cancelKeepsTheUserSignedIn() {
            const page = open()
            mouseClick(findChild(page, "signOutButton"))
            const alert = findChild(page, "logoutAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Выйти из приложения?")
            save("signout-alert")
            alert.trigger(alert.buttons[0])
            tryCompare(alert, "visible", false)
            compare(sessionEnded.count, 0)
            compare(Account.requestCount("/exit.jsp"), 0)
        }

        // The session ends only once the store's sign-out has finished, and twice is once.
        function test_signOutAwaitsTheStore() {
            const page = open()
            Account.hold("/exit.jsp")
            const alert = findChild(page, "logoutAlert")
            mouseClick(findChild(page, "signOutButton"))
            tryCompare(alert, "opened", true)
            alert.trigger(alert.buttons[1])
            tryCompare(alert, "visible", false)
            tryVerify(() => Account.heldCount() === 1)
            verify(page.signingOut)
            compare(sessionEnded.count, 0)
            // The local session is gone already; its end waits for the site.
            compare(AccountStore.account.accountNumber, "")
            mouseClick(findChild(page, "signOutButton"))
            tryCompare(alert, "opened", true)
            alert.trigger(alert.buttons[1])
            tryCompare(alert, "visible", false)
            compare(sessionEnded.count, 0)
            Account.releaseHeld()
            tryCompare(sessionEnded, "count", 1)
            verify(!page.signingOut)
            compare(Account.requestCount("/exit.jsp"), 1)
        }

        function test_settings() {
            notificationsEnabled.value = true
            const page = open()
            const settings = push(page, "settingsButton")
            compare(settings.title, "Настройки")
            // No notification service answers in this test: the switch keeps what it showed.
            verify(findChild(settings, "notificationsSwitch").checked)
            // A screen reader hears the switch's state, which only the picture shows.
            compare(findChild(settings, "notificationsRow").value, "Включены")
            save("settings")
            notificationsEnabled.value = false
            verify(!findChild(settings, "notificationsSwitch").checked)
            compare(findChild(settings, "notificationsRow").value, "Выключены")

            const layer = push(settings, "notificationsRow")
            compare(layer.objectName, "notificationLayerView")
            compare(findChild(layer, "statusText").text, "Не запрошены")
            save("notification-layer")
            stack.pop()
            tryCompare(stack, "busy", false)

            const about = push(settings, "aboutRow")
            verify(findChild(about, "versionLine").text.startsWith("Версия "))
            save("about")
            // Nothing here opens web addresses: each link shows its address to copy.
            UrlOpener.clear()
            for (const row of ["policyRow", "siteRow"]) {
                mouseClick(findChild(about, row))
                tryCompare(linkFallback.sheet, "opened", true)
                save("about-" + row)
                mouseClick(findChild(linkFallback.sheet.item, "copyButton"))
                tryCompare(linkFallback.sheet, "visible", false)
            }
            compare(UrlOpener.requestedUrls(), [AboutInfo.policyUrl.toString(), AboutInfo.siteUrl.toString()])
            compare(linkFallback.address, AboutInfo.siteUrl.toString())
        }

        function test_twoFactorVerification() {
            const page = open()
            const settings = push(page, "settingsButton")
            const security = push(settings, "securityRow")
            const row = findChild(security, "twoFactorRow")
            compare(row.subtitle, "Подтверждение входа по e-mail")
            const verification = push(security, "twoFactorRow")
            compare(verification.title, "Двухфакторная аутентификация")
            // The whole title shows: the back button gives up its label for it.
            const title = findChild(verification, "navigationTitle")
            tryVerify(() => !title.truncated && title.width >= title.implicitWidth)

            const email = findChild(verification, "emailField")
            email.forceActiveFocus()
            for (const c of "anna@mail.ru  ")
                keyClick(c)
            const button = findChild(verification, "mainButton")
            compare(button.text, "Получить код")
            verify(!findChild(verification, "codeField").visible)
            mouseClick(button)
            verify(findChild(verification, "codeField").visible)
            compare(button.text, "Подключить защиту")
            save("email-verification")

            // The code field takes what a number pad types.
            const code = findChild(verification, "codeField")
            code.forceActiveFocus()
            for (const c of "12ab34")
                keyClick(c)
            compare(code.text, "1234")
            mouseClick(button)
            const alert = findChild(verification, "messageAlert")
            tryCompare(alert, "opened", true)
            compare(alert.message, "Неверный код. Для макета используйте 8806.")
            verify(!Account.isStored(Defaults.verifiedEmail))
            alert.trigger(alert.buttons[0])
            tryCompare(alert, "visible", false)
            compare(verification.verification.message, "")

            code.forceActiveFocus()
            code.selectAll()
            for (const c of "8806")
                keyClick(c)
            mouseClick(button)
            tryCompare(alert, "opened", true)
            compare(alert.message, "Двухфакторная аутентификация подключена.")
            compare(verifiedEmail.value, "anna@mail.ru")
            compare(twoFactor.value, true)
            alert.trigger(alert.buttons[0])
            tryCompare(alert, "visible", false)

            stack.pop()
            tryCompare(stack, "busy", false)
            compare(row.subtitle, "Подключена · anna@mail.ru")
            // Coming back offers the stored address in the address step.
            const again = push(security, "twoFactorRow")
            compare(findChild(again, "emailField").text, "anna@mail.ru")
            verify(!findChild(again, "codeField").visible)
        }

        function test_profileEmailLeavesTwoFactorAlone() {
            const page = open()
            const verification = push(page, "emailRow")
            compare(verification.title, "Подключить e-mail")
            verification.verification.email = "anna@mail.ru"
            verification.verification.press()
            verification.verification.code = "8806"
            verification.verification.press()
            compare(verification.verification.message, "E-mail подтверждён и добавлен в профиль.")
            verify(!Account.isStored(Defaults.twoFactorEnabled))
            verification.verification.clearMessage()
            stack.pop()
            tryCompare(stack, "busy", false)
            compare(findChild(findChild(page, "emailRow"), "rowValue").text, "anna@mail.ru")
        }
    }
}
