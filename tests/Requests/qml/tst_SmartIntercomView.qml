import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Requests

// The smart-intercom screen: its rows and dividers, and the extra-key card that opens the shop
// (here a page that stands in for it).
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        NavigationStack {
            anchors.fill: parent
            initialItem: NavigationPage { title: "Главная" }
        }
    }

    Component {
        id: shopComponent
        NavigationPage { title: "TarvikShop" }
    }

    Component {
        id: intercomComponent
        SmartIntercomView { shopDestination: shopComponent }
    }

    TestCase {
        name: "SmartIntercomView"
        when: windowShown

        property var stack
        property var intercom

        function init() {
            stack = createTemporaryObject(stackComponent, root)
            stack.push(intercomComponent)
            tryCompare(stack, "busy", false)
            intercom = stack.currentItem
        }

        function visibleDividers(cardName) {
            const card = findChild(intercom, cardName)
            verify(card, cardName)
            const found = []
            const walk = item => {
                for (let i = 0; i < item.children.length; ++i) {
                    const child = item.children[i]
                    if (child.objectName === "divider" && child.visible)
                        found.push(child)
                    walk(child)
                }
            }
            walk(card.contentItem)
            return found
        }

        function test_dividers_data() {
            return [
                { tag: "steps", card: "stepsCard", dividers: 2, indent: 66 },
                { tag: "benefits", card: "benefitsCard", dividers: 3, indent: 68 },
                { tag: "help", card: "helpCard", dividers: 1, indent: 16 },
            ]
        }

        // Each divider is drawn: a whole device pixel high (half a point is lost between pixels),
        // from its indent to the card's trailing edge.
        function test_dividers(data) {
            const card = findChild(intercom, data.card)
            const dividers = visibleDividers(data.card)
            compare(dividers.length, data.dividers)
            for (const divider of dividers) {
                verify(divider.height * Screen.devicePixelRatio >= 1)
                const edges = divider.mapToItem(card, 0, 0, divider.width, divider.height)
                compare(edges.x, data.indent)
                compare(edges.x + edges.width, card.width)
            }
        }

        function test_extraKeyOpensShop() {
            const link = findChild(intercom, "extraKeyLink")
            verify(link)
            intercom.flickable.contentY = Math.max(0, link.mapToItem(intercom.flickable.contentItem, 0, 0).y - 200)
            waitForRendering(intercom)
            // A tap near the card's edge, away from its texts, opens the shop too.
            mouseClick(link, 6, link.height - 6)
            tryCompare(stack, "busy", false)
            compare(stack.currentItem.title, "TarvikShop")
            stack.pop()
            tryCompare(stack, "busy", false)
            compare(stack.currentItem, intercom)
        }
    }
}
