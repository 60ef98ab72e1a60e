import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Requests
import TarvikTest

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
        id: bonusesComponent
        BonusesView {}
    }

    TestCase {
        name: "BonusesView"
        when: windowShown

        function test_balanceAndInvitation() {
            verify(Account.signIn())
            Account.takeRequestKeys()
            const view = stack.push(bonusesComponent, {}, 1)
            tryCompare(stack, "busy", false)
            // The site gives no bonus balance: its dash is shown as it is.
            compare(findChild(view, "bonusBalanceText").text, "— бонусов")

            const invite = findChild(view, "inviteButton")
            const sheet = findChild(view, "inviteSheet")
            mouseClick(invite)
            mouseClick(invite)
            tryCompare(sheet, "opened", true)
            compare(sheet.item.title, "Пригласить друга")
            grabImage(root).save(Account.screenshotPath("requests-bonuses-invite"))
            sheet.close()
            tryCompare(view, "invitePresented", false)
            tryCompare(sheet, "visible", false)
            grabImage(root).save(Account.screenshotPath("requests-bonuses"))
            mouseClick(invite)
            tryCompare(sheet, "opened", true)
            sheet.close()
            tryCompare(sheet, "visible", false)
            compare(Account.takeRequestKeys(), [])
        }
    }
}
