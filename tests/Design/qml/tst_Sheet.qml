import QtQuick
import QtTest
import Tarvik.Design

Item {
    id: root
    width: 393
    height: 852

    property bool successPresented: false
    property int closings: 0
    property int builds: 0

    Sheet {
        id: sheet
        presented: root.successPresented
        onClosed: {
            root.successPresented = false
            root.closings += 1
        }
        sourceComponent: Component {
            DemoActionSheet {
                title: "Заявка принята"
                message: "Мы перезвоним. ".repeat(root.builds > 0 ? 30 : 1)
                Component.onCompleted: root.builds += 1
            }
        }
    }

    Sheet {
        id: outer
        sourceComponent: Component {
            NavigationStack {
                property alias inner: innerSheet
                initialItem: NavigationPage { title: "Первый" }
                Sheet {
                    id: innerSheet
                    sourceComponent: Component {
                        NavigationStack {
                            initialItem: NavigationPage {
                                title: "Второй"
                                leadingItems: [BarButton { objectName: "innerClose"; text: "Назад"; onClicked: Presentation.dismiss() }]
                            }
                        }
                    }
                }
            }
        }
    }

    SignalSpy {
        id: closedSpy
        target: sheet
        signalName: "closed"
    }

    TestCase {
        name: "Sheet"
        when: windowShown

        function init() {
            root.closings = 0
            root.builds = 0
            closedSpy.clear()
        }

        function present() {
            root.successPresented = true
            tryCompare(sheet, "opened", true)
            return sheet.item
        }

        function find(item, accepts) {
            if (accepts(item))
                return item
            for (let i = 0; i < item.children.length; ++i) {
                const found = find(item.children[i], accepts)
                if (found)
                    return found
            }
            return null
        }

        function buttonNamed(item, text) {
            return find(item, candidate => candidate.text === text && candidate.clicked !== undefined)
        }

        function test_everyWayOfClosingResetsTheFlag_data() {
            return [{ tag: "Понятно" }, { tag: "Закрыть" }, { tag: "swipe down" }, { tag: "presenter" }]
        }

        function test_everyWayOfClosingResetsTheFlag(data) {
            const content = present()
            verify(content)
            switch (data.tag) {
            case "swipe down":
                mouseDrag(root, 200, 300, 0, 400)
                break
            case "presenter":
                sheet.close()
                break
            default:
                mouseClick(buttonNamed(content, data.tag))
            }
            closedSpy.wait()
            compare(closedSpy.count, 1)
            compare(root.successPresented, false)
            compare(sheet.visible, false)
            compare(sheet.item, null) // the content is gone with the sheet
        }

        function test_shortSwipeSettlesBack() {
            const content = present()
            mouseDrag(root, 200, 300, 0, 15)
            tryCompare(sheet, "dragOffset", 0)
            wait(300)
            compare(sheet.opened, true)
            compare(closedSpy.count, 0)
            sheet.close()
            closedSpy.wait()
        }

        function test_eachPresentationBuildsItsContentAnew() {
            present()
            sheet.close()
            closedSpy.wait()
            const content = present()
            compare(root.builds, 2)
            // A long message wraps; the button stays below it and the spacer takes the rest.
            const button = buttonNamed(content, "Понятно")
            const message = find(content, candidate => candidate.lineCount !== undefined && candidate.text.startsWith("Мы перезвоним"))
            verify(message.lineCount > 5)
            const bottomOfMessage = message.mapToItem(content, 0, message.height).y
            verify(button.mapToItem(content, 0, 0).y >= bottomOfMessage)
            verify(button.mapToItem(content, 0, button.height).y < content.height)
            // "Понятно" is the kit's primary button: filled, spanning the column, white label.
            const done = find(findChild(content, "demoActionSheetDone"), candidate => candidate.bordered !== undefined)
            verify(done.background.visible)
            compare(done.foreground, Theme.white)
            verify(done.width > root.width - 2 * 24 - 1)
            sheet.close()
            closedSpy.wait()
        }

        function test_secondSheetStacksOverTheFirst() {
            outer.open()
            tryCompare(outer, "opened", true)
            const inner = outer.item.inner
            inner.open()
            tryCompare(inner, "opened", true)
            verify(inner.y > outer.y)
            // Its own dismiss closes only the second sheet.
            const close = findChild(inner.item, "innerClose")
            mouseClick(close)
            tryCompare(inner, "visible", false)
            compare(outer.opened, true)
            outer.close()
            tryCompare(outer, "visible", false)
        }
    }
}
