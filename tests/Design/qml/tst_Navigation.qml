import QtQuick
import QtTest
import Tarvik.Design

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
        id: detailPage
        NavigationPage {
            title: "Детали"
            property alias closeButton: close
            trailingItems: [BarButton { id: close; text: "Закрыть"; onClicked: Presentation.dismiss() }]
        }
    }

    Sheet {
        id: sheet
        sourceComponent: Component {
            NavigationStack {
                initialItem: NavigationPage {
                    objectName: "sheetRoot"
                    title: "Лист"
                    leadingItems: [BarButton { objectName: "sheetClose"; text: "Закрыть"; onClicked: Presentation.dismiss() }]
                }
            }
        }
    }

    TestCase {
        name: "NavigationStack"
        when: windowShown

        function init() {
            stack.popToRoot()
            tryCompare(stack, "busy", false)
        }

        function test_pushShowsBackButtonAndBackPops() {
            compare(stack.currentItem.canGoBack, false)
            const page = stack.push(detailPage)
            tryCompare(stack, "busy", false)
            compare(stack.depth, 2)
            verify(page.canGoBack)
            const back = page.header.children[0].children[0]
            compare(back.text, "Назад")
            verify(back.visible)
            mouseClick(back)
            tryCompare(stack, "depth", 1)
            compare(stack.currentItem.title, "Главная")
        }

        function test_dismissInsidePushedPageGoesBack() {
            const page = stack.push(detailPage)
            tryCompare(stack, "busy", false)
            mouseClick(page.closeButton)
            tryCompare(stack, "depth", 1)
        }

        function test_dismissInRootPageClosesTheSheet() {
            sheet.open()
            tryCompare(sheet, "opened", true)
            mouseClick(findChild(sheet.item, "sheetClose"))
            tryCompare(sheet, "visible", false)
        }

        function test_hiddenBarTakesNoSpace() {
            const page = stack.push(detailPage, { navigationBarHidden: true })
            tryCompare(stack, "busy", false)
            compare(page.header.visible, false)
            compare(page.contentItem.y, 0)
            page.navigationBarHidden = false
            compare(page.contentItem.y, 44)
        }
    }
}
