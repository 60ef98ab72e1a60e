import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.SpeedTest

// One speed of the speed test: the titled symbol over the figure in Mbit/s (one decimal, or a dim
// "—" before it is measured), on the dark panel outlined in the tint.
//   required title, icon (symbol name): string; value: Mbit/s or undefined; tint, panel: colour
Rectangle {
    id: card

    required property string title
    required property string icon
    property var value
    property color tint: "#45E8E2"
    property color panel: "#1B1D32"
    readonly property string valueText: SpeedometerScale.panelValue(value)

    implicitWidth: layout.implicitWidth + 24
    implicitHeight: Math.max(104, layout.implicitHeight + 24)
    radius: 15
    color: panel
    border.width: 1
    border.color: Theme.withOpacity(tint, 0.35)
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + valueText + " Мбит/с"

    ColumnLayout {
        id: layout

        x: 12
        y: 12
        width: card.width - 24
        spacing: 10

        RowLayout {
            spacing: 6

            SymbolImage {
                name: card.icon
                size: Theme.textStyleSize(Theme.Subheadline)
                weight: Font.DemiBold
                color: card.tint
            }

            StyledText {
                text: card.title
                textStyle: Theme.Subheadline
                weight: Font.DemiBold
                color: Theme.white
                Accessible.ignored: true
            }
        }

        Row {
            Layout.alignment: Qt.AlignRight
            spacing: 5

            StyledText {
                id: figure

                objectName: "panelValue"
                text: card.valueText
                size: 24
                weight: Font.Medium
                rounded: true
                color: card.value === undefined ? Theme.withOpacity(Theme.white, 0.35) : Theme.white
                Accessible.ignored: true
            }

            StyledText {
                y: figure.baselineOffset - baselineOffset
                text: "Мбит/с"
                textStyle: Theme.Caption2
                color: Theme.withOpacity(Theme.white, 0.5)
                Accessible.ignored: true
            }
        }
    }
}
