import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Shop
import TarvikTest

// The product page: the picture counter, the specifications toggle, the reviews and the buy button.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        ShopTestStack {}
    }

    Component {
        id: pageComponent
        TarvikShopProductView {}
    }

    TestCase {
        name: "ShopProductView"
        when: windowShown

        property var stack

        function init() {
            ShopTest.reset()
            stack = createTemporaryObject(stackComponent, root)
        }

        function open(product) {
            stack.push(pageComponent, { product: product })
            tryCompare(stack, "busy", false)
            return stack.currentItem
        }

        function part(page, name) {
            const found = findChild(page, name)
            verify(found, name)
            return found
        }

        // Scrolls `item` of `page` into view and taps it.
        function tap(page, item) {
            const top = item.mapToItem(page.flickable.contentItem, 0, 0).y
            page.flickable.contentY = Math.max(0, Math.min(top - 300, page.flickable.contentHeight - page.flickable.height))
            wait(20)
            mouseClick(item)
        }

        function test_counter_data() {
            return [
                { tag: "five pictures, third shown", pictures: -1, select: 2, counter: "3 / 5" },
                { tag: "two pictures", pictures: 2, select: 1, counter: "2 / 2" },
                { tag: "one picture", pictures: 1, select: 0, counter: "" },
                { tag: "no pictures", pictures: 0, select: 0, counter: "" },
            ]
        }

        function test_counter(data) {
            const page = open(ShopTest.product(1, data.pictures))
            const pager = part(page, "pager")
            pager.currentIndex = data.select
            compare(page.selectedImage, data.select)
            const counter = part(page, "imageCounter")
            compare(counter.parent.visible, data.counter.length > 0)
            compare(part(page, "pageDots").visible, data.counter.length > 0)
            if (data.counter.length > 0)
                compare(counter.text, data.counter)
            compare(pager.parent.height, 236)
        }

        function test_details_data() {
            return [
                { tag: "with specifications", specifications: true },
                { tag: "without specifications", specifications: false },
            ]
        }

        function test_details(data) {
            const page = open(ShopTest.product(1, -1, data.specifications))
            const toggle = part(page, "detailsToggle")
            const description = part(page, "description")
            compare(toggle.text, "Подробнее")
            compare(description.lineCount, 3)
            mouseClick(toggle)
            compare(toggle.text, "Скрыть")
            tryVerify(() => description.lineCount > 3, 1000, "lines: " + description.lineCount)
            compare(part(page, "specifications").visible, data.specifications)
            tap(page, toggle)
            compare(toggle.text, "Подробнее")
        }

        function test_reviews() {
            const page = open(ShopTest.product(101, -1, true, true, 0))
            verify(part(page, "reviews").visible)
            const bare = open(ShopTest.product(101, -1, true, false))
            verify(!part(bare, "reviews").visible)
        }

        // Each tap adds one piece; the label turns back 900 ms after the first of quick taps.
        function test_buyTwice() {
            const page = open(ShopTest.product(2))
            const button = part(page, "buyButton")
            const label = part(page, "buyLabel")
            compare(label.text, "Добавить в корзину · 4 500 ₽")
            compare(button.text, "Добавить SberBox SBDV‑00005 в корзину")
            Haptics.reset()
            mouseClick(button)
            compare(label.text, "Добавлено в корзину")
            compare(ShopTest.lines(), "2:1")
            mouseClick(button)
            compare(ShopTest.lines(), "2:2")
            compare(Haptics.count(Haptics.ImpactSoft), 2)
            tryCompare(label, "text", "Добавить в корзину · 4 500 ₽", 3000)
        }

        function test_freshPageStartsCollapsed() {
            let page = open(ShopTest.product(1))
            part(page, "pager").currentIndex = 3
            mouseClick(part(page, "detailsToggle"))
            stack.pop()
            tryCompare(stack, "busy", false)
            page = open(ShopTest.product(1))
            compare(page.selectedImage, 0)
            compare(page.detailsExpanded, false)
        }
    }
}
