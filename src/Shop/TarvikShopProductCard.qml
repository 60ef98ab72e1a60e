import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shop

// A product of the catalog grid: the photo and the name with the price (a tap opens the product
// page) over the "Заказать" button, which adds one piece to the cart.
//   required product: shopProduct; opened(): the upper part was tapped
Item {
    id: card

    required property var product
    readonly property bool added: confirmation.added

    signal opened()

    implicitWidth: 170
    implicitHeight: column.implicitHeight

    SoftShadow {
        radius: 22
        blur: 18
        color: Theme.withOpacity(Theme.tarInk, 0.06)
    }

    Rectangle {
        anchors.fill: parent
        radius: 22
        color: Theme.white
    }

    ShopAddConfirmation {
        id: confirmation
        announcement: addedAnnouncement
    }

    Announcement {
        id: addedAnnouncement
    }

    ColumnLayout {
        id: column

        width: parent.width
        spacing: 0

        TarvikButton {
            objectName: "openProduct"
            Layout.fillWidth: true
            buttonStyle: TarvikButton.Plain
            padding: 0
            text: "Открыть " + card.product.name
            onClicked: card.opened()

            contentItem: ColumnLayout {
                spacing: 0

                Item {
                    Layout.fillWidth: true
                    implicitHeight: 128

                    // Only the top corners of the card are round.
                    RoundedCornerShape {
                        anchors.fill: parent
                        radius: 22
                        corners: RoundedCornerShape.TopLeft | RoundedCornerShape.TopRight
                        color: Theme.withOpacity(Theme.tarPaper, 0.86)
                    }

                    TarvikCachedRemoteImage {
                        objectName: "cardPhoto"
                        anchors.fill: parent
                        anchors.margins: 12
                        url: card.product.imageURLs.length > 0 ? card.product.imageURLs[0] : ""
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.leftMargin: 12
                    Layout.rightMargin: 12
                    Layout.topMargin: 12
                    spacing: 10

                    StyledText {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 38
                        text: card.product.name
                        size: 15
                        weight: Font.Black
                        rounded: true
                        color: Theme.tarInk
                        maximumLineCount: 2
                        wrapMode: Text.Wrap
                        elide: Text.ElideRight
                        fontSizeMode: Text.Fit
                        minimumPixelSize: 12
                        verticalAlignment: Text.AlignTop
                        Accessible.ignored: true
                    }

                    StyledText {
                        text: card.product.price
                        size: 18
                        weight: Font.Black
                        rounded: true
                        color: Theme.tarPink
                        Accessible.ignored: true
                    }
                }
            }
        }

        TarvikButton {
            objectName: "addButton"
            Layout.fillWidth: true
            buttonStyle: TarvikButton.Plain
            // The whole padded rectangle takes the tap; the pink label sits 12 inside it. (The
            // kit's button sets its own horizontal and vertical padding, which `padding` would
            // not override.)
            horizontalPadding: 12
            verticalPadding: 12
            text: "Добавить " + card.product.name + " в корзину"
            onClicked: {
                ShopCart.add(card.product)
                confirmation.confirm()
            }

            contentItem: Rectangle {
                objectName: "addLabel"
                implicitHeight: 44
                radius: 13
                color: Theme.tarPink

                StyledText {
                    anchors.centerIn: parent
                    text: card.added ? "Добавлено" : "Заказать"
                    size: 14
                    weight: Font.Black
                    rounded: true
                    color: Theme.white
                    Accessible.ignored: true
                }
            }
        }
    }
}
