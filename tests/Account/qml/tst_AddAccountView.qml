import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import TarvikTest

// The add-account form as the home dashboard pushes it: any input is "added", nothing is sent.
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
        id: form
        AddAccountView {}
    }

    TestCase {
        name: "AddAccountView"
        when: windowShown

        function test_gotovoGoesBack() {
            Standin.reset()
            const page = stack.push(form)
            tryCompare(stack, "busy", false)
            const before = AccountStore.account
            mouseClick(findChild(page, "addButton"))
            const alert = findChild(root.parent, "acceptedAlert")
            tryCompare(alert, "opened", true)
            mouseClick(alert.contentItem, alert.width / 2, alert.height - 22)
            tryCompare(stack, "depth", 1)
            compare(AccountStore.account, before)
            compare(Standin.requestCount("action1"), 0)
        }
    }
}
