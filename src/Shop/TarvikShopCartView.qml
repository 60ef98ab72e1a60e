pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shop

// The cart: its lines with steppers and trash, the totals and the way to the checkout; or the
// empty state. Everything shown comes from the shared cart.
DetailPage {
    id: screen

    // Rows follow the cart line by line, so a +, - or trash press keeps the other rows as they are.
    readonly property int lineCount: lines.count

    function openCheckout() {
        screen.push(orderPage, { items: ShopCart.items })
    }

    title: "Корзина"

    TarvikShopCartModel {
        id: lines
        cart: ShopCart
    }

    Component {
        id: orderPage
        TarvikShopOrderView {}
    }

    // Says what a line's buttons did; outside the column, where a shown one would take spacing.
    readonly property Announcement announcement: Announcement {
        objectName: "cartAnnouncement"
        parent: screen.contentItem
    }

    EmptyState {
        objectName: "emptyState"
        visible: screen.lineCount === 0
        Layout.fillWidth: true
        minimumHeight: 280
        spacing: 16
        textSpacing: 5
        readAsOne: true
        symbol: "cart"
        symbolSize: 42
        symbolWeight: Font.Medium
        title: "Корзина пуста"
        titleLabel.textStyle: Theme.Title2
        titleLabel.weight: Font.Bold
        message: "Добавьте оборудование из магазина — оно появится здесь."
    }

    Rectangle {
        objectName: "cartList"
        visible: screen.lineCount > 0
        Layout.fillWidth: true
        implicitHeight: list.implicitHeight
        radius: 16
        color: Theme.white

        ColumnLayout {
            id: list
            width: parent.width
            spacing: 0

            Repeater {
                model: lines

                TarvikShopCartRow {
                    id: line
                    required property int index
                    Layout.fillWidth: true
                    announcement: screen.announcement

                    Divider {
                        objectName: "rowDivider"
                        visible: line.index < screen.lineCount - 1
                        anchors.bottom: parent.bottom
                        indent: 98
                    }
                }
            }
        }
    }

    CardSurface {
        visible: screen.lineCount > 0
        Layout.fillWidth: true
        padding: 18

        contentItem: RowLayout {
            ColumnLayout {
                spacing: 3
                StyledText {
                    text: "Итого"
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                }
                StyledText {
                    objectName: "pieceCount"
                    text: ShopCart.itemCount + " шт." // qmllint disable type
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                }
            }
            Item { Layout.fillWidth: true }
            StyledText {
                objectName: "cartTotal"
                text: ShopCart.formattedTotal
                textStyle: Theme.Title2
                weight: Font.Bold
                color: Theme.tarInk
            }
        }
    }

    TarvikButton {
        objectName: "checkoutLink"
        visible: screen.lineCount > 0
        Layout.fillWidth: true
        Layout.minimumHeight: 54
        buttonStyle: TarvikButton.PrimaryGlass
        text: "Перейти к оформлению"
        onClicked: screen.openCheckout()

        contentItem: StyledText {
            text: "Перейти к оформлению"
            size: 16
            weight: Font.Black
            rounded: true
            color: Theme.white
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            Accessible.ignored: true
        }
    }
}
