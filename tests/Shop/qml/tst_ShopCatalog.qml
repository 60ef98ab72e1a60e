import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Shop
import TarvikTest

// The catalog screen: search, the cart badge, the add buttons and where its taps lead.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        ShopTestStack {}
    }

    SignalSpy {
        id: refreshSpy
        signalName: "isRefreshingChanged"
    }

    Component {
        id: shopComponent
        TarvikShopView {}
    }

    TestCase {
        name: "ShopCatalog"
        when: windowShown

        property var stack
        property var shop


        function init() {
            ShopTest.reset()
            stack = createTemporaryObject(stackComponent, root)
            stack.push(shopComponent)
            tryCompare(stack, "busy", false)
            shop = stack.currentItem
        }

        function part(name, from) {
            const found = findChild(from ?? shop, name)
            verify(found, name)
            return found
        }

        function cards() {
            const grid = part("productGrid")
            const list = []
            for (let i = 0; i < grid.children.length; ++i) {
                if (grid.children[i].product !== undefined)
                    list.push(grid.children[i])
            }
            return list
        }

        function test_search_data() {
            return [
                { tag: "name and description, any case", text: "gpon", ids: [101, 102], count: "2 товара" },
                { tag: "inside longer words", text: "роутер", ids: [1, 101, 102], count: "3 товара" },
                { tag: "Cyrillic capitals", text: "РОУТЕР", ids: [1, 101, 102], count: "3 товара" },
                { tag: "a space", text: " ", ids: [1, 2, 101, 102], count: "4 товара" },
                { tag: "one product", text: "sberbox", ids: [2], count: "1 товар" },
                { tag: "nothing", text: "холодильник", ids: [], count: "0 товаров" },
            ]
        }

        function test_search(data) {
            const field = part("searchField")
            field.text = data.text
            compare(shop.searchText, data.text)
            compare(part("productCount").text, data.count)
            compare(cards().map(card => card.product.id), data.ids)
            compare(part("noResults").visible, data.ids.length === 0)
            compare(part("productGrid").visible, data.ids.length > 0)
        }

        // The placeholder is read whole: it shrinks a little rather than lose its end.
        function test_placeholderFits() {
            const field = part("searchField")
            let placeholder = null
            for (let i = 0; i < field.children.length; ++i) {
                if (field.children[i].text === field.placeholderText)
                    placeholder = field.children[i]
            }
            verify(placeholder && placeholder.visible)
            verify(!placeholder.truncated)
        }

        function test_clearButton() {
            const clear = part("clearSearch")
            verify(!clear.visible)
            mouseClick(part("searchField"))
            keyClick("s")
            verify(clear.visible)
            mouseClick(clear)
            compare(shop.searchText, "")
            verify(!clear.visible)
            compare(cards().length, 4)
        }

        function test_badge() {
            const badge = part("cartBadge")
            const button = part("cartButton")
            verify(!badge.visible)
            compare(button.text, "Корзина пуста")
            ShopTest.add(1, 5)
            ShopTest.add(101, 7)
            verify(badge.visible)
            compare(part("cartBadgeText").text, "12")
            compare(button.text, "Корзина, товаров: 12")
        }

        function test_addTwiceQuickly() {
            tryCompare(shop, "isRefreshing", false)
            const card = cards()[2]
            const add = part("addButton", card)
            Haptics.reset()
            mouseClick(add)
            compare(card.added, true)
            mouseClick(add)
            compare(ShopTest.lines(), "101:2")
            compare(Haptics.count(Haptics.ImpactSoft), 2)
            tryCompare(card, "added", false, 3000)
        }

        // The pink "Заказать" sits 12 inside the card on its three free sides; the padding round
        // it still takes the tap.
        function test_addButtonInset() {
            tryCompare(shop, "isRefreshing", false)
            const card = cards().find(card => card.product.id === 1)
            const label = part("addLabel", card)
            const rect = label.mapToItem(card, 0, 0, label.width, label.height)
            compare(rect.x, 12)
            compare(card.width - rect.x - rect.width, 12)
            compare(card.height - rect.y - rect.height, 12)
            mouseClick(part("addButton", card), 4, 4)
            compare(ShopTest.lines(), "1:1")
        }

        function test_cardOpensProduct() {
            tryCompare(shop, "isRefreshing", false)
            mouseClick(part("openProduct", cards()[1]))
            tryCompare(stack, "busy", false)
            compare(stack.currentItem.title, "SberBox SBDV‑00005")
            compare(stack.currentItem.product.id, 2)
        }

        function test_cartButtonOpensCart() {
            tryCompare(shop, "isRefreshing", false)
            mouseClick(part("cartButton"))
            tryCompare(stack, "busy", false)
            compare(stack.currentItem.title, "Корзина")
            // Coming back refreshes the catalog again.
            refreshSpy.target = shop
            refreshSpy.clear()
            stack.pop()
            // On, then off again.
            tryVerify(() => refreshSpy.count >= 2, 3000)
            compare(shop.isRefreshing, false)
        }

        // Pulling the list down refreshes it; the indicator stays until the refresh is over.
        function test_pullToRefresh() {
            tryCompare(shop, "isRefreshing", false)
            const flickable = shop.flickable
            mousePress(flickable, 200, 200)
            for (let step = 1; step <= 12; ++step)
                mouseMove(flickable, 200, 200 + step * 20)
            mouseRelease(flickable, 200, 440)
            verify(shop.pullRefreshing)
            verify(shop.isRefreshing)
            tryCompare(shop, "pullRefreshing", false)
            tryCompare(shop, "isRefreshing", false)
        }

        // A refresh while one waits returns at once; the catalog is the same afterwards.
        function test_refresh() {
            tryCompare(shop, "isRefreshing", false)
            verify(shop.refreshCatalog())
            verify(!shop.refreshCatalog())
            tryCompare(shop, "isRefreshing", false)
            const before = cards()
            verify(shop.refreshCatalog())
            tryCompare(shop, "isRefreshing", false)
            // The same catalog keeps the same cards.
            compare(cards(), before)
        }
    }
}
