import QtQuick
import QtTest
import Tarvik.Shop
import TarvikTest

// The cart screen: rows with steppers and trash, the totals and the empty state.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        ShopTestStack {}
    }

    Component {
        id: cartComponent
        TarvikShopCartView {}
    }

    TestCase {
        name: "ShopCartView"
        when: windowShown

        property var stack
        property var cart

        function init() {
            ShopTest.reset()
        }

        function open() {
            stack = createTemporaryObject(stackComponent, root)
            stack.push(cartComponent)
            tryCompare(stack, "busy", false)
            cart = stack.currentItem
        }

        function part(name, from) {
            const found = findChild(from ?? cart, name)
            verify(found, name)
            return found
        }

        function rows() {
            const list = part("cartList").children[0]
            const found = []
            for (let i = 0; i < list.children.length; ++i) {
                if (list.children[i].item !== undefined)
                    found.push(list.children[i])
            }
            return found
        }

        // The row of product `id`, once the list has laid it out.
        function rowFor(id) {
            const list = part("cartList").children[0]
            let row = null
            tryVerify(() => {
                row = rows().find(row => row.item.id === id)
                return row && row.height > 0 && !isPolishScheduled(list)
            }, 5000, "row " + id)
            return row
        }

        function visibleDividers() {
            return rows().filter(row => findChild(row, "rowDivider").visible).length
        }

        function test_empty() {
            open()
            verify(part("emptyState").visible)
            verify(!part("cartList").visible)
            verify(!part("checkoutLink").visible)
            verify(!part("cartTotal").visible)
        }

        function test_totals() {
            ShopTest.add(1)
            ShopTest.add(101, 2)
            open()
            compare(rows().length, 2)
            compare(part("pieceCount").text, "3 шт.")
            // Grouped with a plain space, as the cart does.
            compare(part("cartTotal").text, "9 100 ₽")
            compare(visibleDividers(), 1)
        }

        function test_dividers() {
            ShopTest.add(1)
            open()
            compare(visibleDividers(), 0)
            ShopTest.add(2)
            ShopTest.add(101)
            compare(rows().length, 3)
            compare(visibleDividers(), 2)
            // Drawn: a whole device pixel high, 98 in from the list's leading edge.
            const row = rowFor(1)
            const divider = findChild(row, "rowDivider")
            verify(divider.height * Screen.devicePixelRatio >= 1)
            compare(divider.x, 98)
            compare(divider.x + divider.width, row.width)
        }

        function test_plusUpdatesTotals() {
            ShopTest.add(101, 2)
            open()
            mouseClick(part("plusButton", rowFor(101)))
            compare(ShopTest.lines(), "101:3")
            compare(part("quantity", rowFor(101)).text, "3")
            compare(part("pieceCount").text, "3 шт.")
            compare(part("cartTotal").text, "6 900 ₽")
        }

        function test_minusOnOneRemovesRow() {
            ShopTest.add(1)
            ShopTest.add(2, 2)
            open()
            mouseClick(part("minusButton", rowFor(2)))
            compare(ShopTest.lines(), "1:1 2:1")
            mouseClick(part("minusButton", rowFor(1)))
            compare(ShopTest.lines(), "2:1")
            compare(rows().length, 1)
            mouseClick(part("minusButton", rowFor(2)))
            compare(ShopTest.lines(), "")
            verify(part("emptyState").visible)
        }

        // Rows belong to products, not to positions: a press on one row leaves the others (and
        // whatever state they hold) in place, and the row pressed stays the same item.
        function test_rowsSurviveChanges() {
            ShopTest.add(1)
            ShopTest.add(2)
            ShopTest.add(101)
            open()
            const first = rowFor(1)
            const second = rowFor(2)
            const plus = part("plusButton", second)
            mouseClick(plus)
            compare(ShopTest.lines(), "1:1 2:2 101:1")
            verify(rowFor(2) === second)
            verify(part("plusButton", second) === plus)
            compare(part("quantity", second).text, "2")
            mouseClick(part("trashButton", rowFor(101)))
            verify(rowFor(1) === first)
            verify(rowFor(2) === second)
            compare(rows().length, 2)
            // Laid out one under another, never on top of each other.
            tryVerify(() => second.y >= first.y + first.height)
            compare(visibleDividers(), 1)
        }

        function test_trash() {
            ShopTest.add(1, 3)
            ShopTest.add(102)
            open()
            const trash = part("trashButton", rowFor(1))
            compare(trash.text, "Удалить SNR AX2")
            mouseClick(trash)
            compare(ShopTest.lines(), "102:1")
            compare(part("cartTotal").text, "2 300 ₽")
        }

        function test_checkoutGetsTheItems() {
            ShopTest.add(1)
            ShopTest.add(101, 2)
            open()
            mouseClick(part("checkoutLink"))
            tryCompare(stack, "busy", false)
            compare(stack.currentItem.title, "Оформление заказа")
            compare(stack.currentItem.items.length, 2)
        }
    }
}
