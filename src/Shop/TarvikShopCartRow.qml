import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shop

// One line of the cart: thumbnail, name with the trash button, unit price and the stepper.
// Every button goes straight to the cart, and `announcement` says what came of it (the focus stays
// on the button, or goes with the line).
//   required item: shopCartItem; announcement: Announcement (none)
Item {
    id: row

    required property var item
    property Announcement announcement: null

    function removed() {
        announcement?.say("Товар «" + item.product.name + "» удалён из корзины")
    }

    implicitHeight: content.implicitHeight + 30

    RowLayout {
        id: content

        x: 15
        y: 15
        width: parent.width - 30
        spacing: 14

        Rectangle {
            implicitWidth: 68
            implicitHeight: 68
            radius: 12
            color: Theme.tarPaper

            TarvikCachedRemoteImage {
                anchors.fill: parent
                anchors.margins: 6
                spinner: false
                placeholderSize: 24
                url: row.item.product.imageURLs.length > 0 ? row.item.product.imageURLs[0] : ""
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 8

            RowLayout {
                Layout.fillWidth: true

                StyledText {
                    Layout.fillWidth: true
                    text: row.item.product.name
                    size: 16
                    weight: Font.Black
                    rounded: true
                    maximumLineCount: 1
                    elide: Text.ElideRight
                }
                SymbolButton {
                    objectName: "trashButton"
                    implicitWidth: 30
                    implicitHeight: 30
                    symbol: "trash"
                    text: "Удалить " + row.item.product.name
                    color: Theme.systemRed
                    onClicked: {
                        row.removed()
                        ShopCart.remove(row.item.id)
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                StyledText {
                    Layout.fillWidth: true
                    text: row.item.product.price
                    textStyle: Theme.Subheadline
                    weight: Font.Black
                    color: Theme.tarPink
                }

                Rectangle {
                    implicitWidth: stepper.implicitWidth
                    implicitHeight: stepper.implicitHeight
                    radius: height / 2
                    color: Theme.tarPaper

                    RowLayout {
                        id: stepper
                        spacing: 14

                        SymbolButton {
                            objectName: "minusButton"
                            implicitWidth: 30
                            implicitHeight: 30
                            symbol: "minus"
                            text: "Уменьшить количество"
                            size: Theme.textStyleSize(Theme.Caption)
                            weight: Font.Bold
                            color: Theme.tarInk
                            onClicked: {
                                if (row.item.quantity > 1)
                                    row.announcement?.say("Количество: " + (row.item.quantity - 1))
                                else
                                    row.removed()
                                ShopCart.decrement(row.item.id)
                            }
                        }
                        StyledText {
                            objectName: "quantity"
                            Layout.minimumWidth: 20
                            horizontalAlignment: Text.AlignHCenter
                            text: String(row.item.quantity)
                            textStyle: Theme.Subheadline
                            weight: Font.Bold
                            color: Theme.tarInk
                            Accessible.name: "Количество: " + text
                        }
                        SymbolButton {
                            objectName: "plusButton"
                            implicitWidth: 30
                            implicitHeight: 30
                            symbol: "plus"
                            text: "Увеличить количество"
                            size: Theme.textStyleSize(Theme.Caption)
                            weight: Font.Bold
                            color: Theme.tarInk
                            onClicked: {
                                ShopCart.increment(row.item.id)
                                row.announcement?.say("Количество: " + row.item.quantity)
                            }
                        }
                    }
                }
            }
        }
    }
}
