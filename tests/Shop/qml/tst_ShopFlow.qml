import QtQuick
import QtTest
import Tarvik.Shop
import TarvikTest

// A purchase end to end: the shop with its photos, a product page, the cart, the checkout and its
// confirmation.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        ShopTestStack {}
    }

    Component {
        id: shopComponent
        TarvikShopView {}
    }

    TestCase {
        name: "ShopFlow"
        when: windowShown

        property var stack

        function part(name, from) {
            const found = findChild(from ?? stack.currentItem, name)
            verify(found, name)
            return found
        }

        // Scrolls `item` of the current screen into view and taps it.
        function tap(item) {
            const screen = stack.currentItem
            const top = item.mapToItem(screen.flickable.contentItem, 0, 0).y
            screen.flickable.contentY = Math.max(0, Math.min(top - 300, screen.flickable.contentHeight - screen.flickable.height))
            wait(20)
            mouseClick(item)
            tryCompare(stack, "busy", false)
        }

        function cards(shop) {
            const grid = part("productGrid", shop)
            const list = []
            for (let i = 0; i < grid.children.length; ++i) {
                if (grid.children[i].product !== undefined)
                    list.push(grid.children[i])
            }
            return list
        }

        function test_purchase() {
            ShopTest.reset()
            stack = createTemporaryObject(stackComponent, root)
            stack.push(shopComponent)
            tryCompare(stack, "busy", false)

            const shop = stack.currentItem
            compare(shop.title, "TarvikShop")
            // The photos come from the stand-in's image host.
            const shopCards = cards(shop)
            for (const card of shopCards)
                tryCompare(part("cardPhoto", card), "status", CachedImageItem.Shown, 10000)
            mouseClick(part("addButton", shopCards[3]))
            compare(part("cartBadgeText", shop).text, "1")

            mouseClick(part("openProduct", shopCards[0]))
            tryCompare(stack, "busy", false)
            mouseClick(part("buyButton"))
            compare(ShopTest.lines(), "102:1 1:1")
            stack.pop()
            tryCompare(stack, "busy", false)
            compare(part("cartBadgeText", shop).text, "2")

            mouseClick(part("cartButton", shop))
            tryCompare(stack, "busy", false)
            compare(part("cartTotal").text, "6 800 ₽")
            tap(part("checkoutLink"))
            compare(stack.currentItem.title, "Оформление заказа")
            compare(part("amountDue").text, "6 800 ₽")
            tap(part("submitButton"))
            tryCompare(part("confirmationSheet"), "opened", true)
            compare(ShopTest.lines(), "")
        }
    }
}
