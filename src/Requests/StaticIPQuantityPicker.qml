import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Requests

// How many static addresses: "Количество" and the count on the left, minus, the number and plus
// in a white capsule on the right; the quantity stays within 1…5. A press says the new count (the
// focus stays on the button).
//   quantity: int (1); the picker writes it
Rectangle {
    id: picker

    property int quantity: 1

    implicitHeight: row.implicitHeight + 26
    radius: 20
    color: Theme.withOpacity(Theme.tarPaper, 0.78)

    function choose(quantity) {
        picker.quantity = quantity
        countAnnouncement.say(RequestRules.staticIpCountText(quantity))
    }

    Announcement {
        id: countAnnouncement
    }

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 14

        ColumnLayout {
            spacing: 2

            StyledText {
                text: "Количество"
                size: 14
                weight: Font.Bold
                rounded: true
                color: Theme.tarInk
            }
            StyledText {
                objectName: "countText"
                text: RequestRules.staticIpCountText(picker.quantity)
                textStyle: Theme.Caption
                color: Theme.withOpacity(Theme.tarInk, 0.52)
            }
        }

        Item {
            Layout.fillWidth: true
        }

        Rectangle {
            implicitWidth: controls.implicitWidth
            implicitHeight: controls.implicitHeight
            radius: height / 2
            color: Theme.white

            RowLayout {
                id: controls

                spacing: 10

                SymbolButton {
                    objectName: "minusButton"
                    implicitWidth: 34
                    implicitHeight: 34
                    buttonStyle: TarvikButton.Plain
                    symbol: "minus"
                    text: "Меньше"
                    size: 14
                    weight: Font.Black
                    color: enabled ? Theme.tarInk : Theme.withOpacity(Theme.tarInk, 0.3)
                    enabled: picker.quantity >= 2
                    onClicked: picker.choose(Math.max(picker.quantity - 1, 1))
                }
                StyledText {
                    Layout.preferredWidth: 28
                    text: picker.quantity
                    size: 18
                    weight: Font.Black
                    rounded: true
                    color: Theme.tarInk
                    horizontalAlignment: Text.AlignHCenter
                }
                SymbolButton {
                    objectName: "plusButton"
                    implicitWidth: 34
                    implicitHeight: 34
                    buttonStyle: TarvikButton.Plain
                    symbol: "plus"
                    text: "Больше"
                    size: 14
                    weight: Font.Black
                    color: enabled ? Theme.tarInk : Theme.withOpacity(Theme.tarInk, 0.3)
                    enabled: picker.quantity <= 4
                    onClicked: picker.choose(Math.min(picker.quantity + 1, 5))
                }
            }
        }
    }
}
