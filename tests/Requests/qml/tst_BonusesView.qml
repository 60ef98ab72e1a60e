import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Requests
import TarvikTest
import "../../common/qml/finder.js" as Finder

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

    SignalSpy {
        id: shown
        signalName: "aboutToShow"
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
            shown.target = sheet
            // Two taps in a row: one sheet, shown once, with one content.
            mouseClick(invite)
            mouseClick(invite)
            tryCompare(sheet, "opened", true)
            compare(shown.count, 1)
            compare(sheet.item.title, "Пригласить друга")
            const contents = []
            Finder.find(root, candidate => { if (candidate !== sheet && candidate.title === "Пригласить друга" && candidate.message !== undefined) contents.push(candidate); return false })
            compare(contents.length, 1)
            grabImage(root).save(Account.screenshotPath("requests-bonuses-invite"))
            sheet.close()
            tryCompare(view, "invitePresented", false)
            tryCompare(sheet, "visible", false)
            grabImage(root).save(Account.screenshotPath("requests-bonuses"))
            mouseClick(invite)
            tryCompare(sheet, "opened", true)
            compare(shown.count, 2)
            sheet.close()
            tryCompare(sheet, "visible", false)
            compare(Account.takeRequestKeys(), [])
        }
    }
}
