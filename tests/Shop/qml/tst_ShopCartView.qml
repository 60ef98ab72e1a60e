import QtQuick
import QtTest
import Tarvik.Design
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
            const list = part("cartList").children[0].children
            const found = []
            for (let i = 0; i < list.length; ++i) {
                if (list[i].item !== undefined)
                    found.push(list[i])
            }
            return found
        }

        function rowFor(id) {
            // Rows of the previous cart go on the next turn of the event loop.
            wait(10)
            const row = rows().find(row => row.item.id === id)
            verify(row, "row " + id)
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
