pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The checkout's card of the ordered items: each line's photo, name, and quantity with the price,
// with dividers between the lines.
//   required items: the cart lines ordered
Rectangle {
    id: card

    required property var items

    implicitHeight: itemList.implicitHeight
    radius: 16
    color: Theme.white

    ColumnLayout {
        id: itemList
        width: parent.width
        spacing: 0

        Repeater {
            model: card.items

            Item {
                id: line
                required property var modelData
                required property int index
                Layout.fillWidth: true
                implicitHeight: lineRow.implicitHeight + 28

                RowLayout {
                    id: lineRow
                    x: 14
                    y: 14
                    width: parent.width - 28
                    spacing: 14

                    Rectangle {
                        implicitWidth: 58
                        implicitHeight: 58
                        radius: 12
                        color: Theme.tarPaper

                        TarvikCachedRemoteImage {
                            anchors.fill: parent
                            anchors.margins: 5
                            spinner: false
                            placeholderSize: 22
                            url: line.modelData.product.imageURLs.length > 0 ? line.modelData.product.imageURLs[0] : ""
                        }
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 4
                        StyledText {
                            Layout.fillWidth: true
                            text: line.modelData.product.name
                            textStyle: Theme.Headline
                            elide: Text.ElideRight
                        }
                        StyledText {
                            objectName: "itemCaption"
                            Layout.fillWidth: true
                            text: line.modelData.quantity + " шт. · " + line.modelData.product.price
                            textStyle: Theme.Caption
                            color: Theme.secondaryLabel
                        }
                    }
                }
                Divider {
                    objectName: "itemDivider"
                    visible: line.index < card.items.length - 1
                    anchors.bottom: parent.bottom
                    indent: 86
                }
            }
        }
    }
}
