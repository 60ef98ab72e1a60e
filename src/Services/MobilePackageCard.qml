pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// One offer of the mobile service, filled with its accent colour while chosen.
//   required offer: MobilePackage; required selected: bool; clicked()
T.AbstractButton {
    id: card

    required property var offer
    required property bool selected

    implicitWidth: 160
    implicitHeight: Math.max(144, column.implicitHeight + 28)
    Accessible.name: offer.title + ", " + offer.gigabytes + ", " + offer.minutes + ", " + offer.price + " ₽ в месяц"
    // One choice of several: the chosen offer is the checked one (the order makes the choice).
    checkable: true
    autoExclusive: true
    checked: selected

    background: Rectangle {
        radius: 22
        color: card.selected ? card.offer.accent : Theme.withOpacity(Theme.tarPaper, 0.82)
    }

    contentItem: Item {
        opacity: card.down ? 0.7 : 1

        ColumnLayout {
            id: column

            x: 14
            y: 14
            width: parent.width - 28
            spacing: 12

            RowLayout {
                Layout.fillWidth: true
                spacing: 6

                StyledText {
                    Layout.fillWidth: true
                    text: card.offer.title
                    size: 16
                    weight: Font.Black
                    rounded: true
                    color: card.selected ? Theme.white : Theme.tarInk
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Math.floor(16 * 0.76)
                    Accessible.ignored: true
                }

                SymbolImage {
                    objectName: "mark"
                    name: card.selected ? "checkmark.circle.fill" : "circle"
                    size: 17
                    weight: Font.Bold
                    color: card.selected ? Theme.white : Theme.withOpacity(card.offer.accent, 0.45)
                }
            }

            ColumnLayout {
                spacing: 4

                Repeater {
                    model: [card.offer.gigabytes, card.offer.minutes]

                    delegate: StyledText {
                        required property string modelData

                        text: modelData
                        textStyle: Theme.Caption
                        weight: Font.Bold
                        color: card.selected ? Theme.withOpacity(Theme.white, 0.78) : Theme.withOpacity(Theme.tarInk, 0.55)
                        Accessible.ignored: true
                    }
                }
            }

            Row {
                spacing: 3

                StyledText {
                    id: price

                    text: card.offer.price + " ₽"
                    size: 20
                    weight: Font.Black
                    rounded: true
                    color: card.selected ? Theme.white : card.offer.accent
                    Accessible.ignored: true
                }

                StyledText {
                    anchors.baseline: price.baseline
                    text: "/мес"
                    textStyle: Theme.Caption
                    weight: Font.Bold
                    color: card.selected ? Theme.white : card.offer.accent
                    Accessible.ignored: true
                }
            }
        }
    }
}
