import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A figure of the tariff on a card: the tinted symbol, a grey caption and the value on one line,
// which shrinks to three quarters of its size before it is cut. It takes the width it is given.
//   required icon: symbol name; required title, value: string; required tint: color
CardSurface {
    id: card

    required property string icon
    required property string title
    required property string value
    required property color tint

    padding: 18
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value

    contentItem: ColumnLayout {
        spacing: 10

        SymbolImage {
            name: card.icon
            size: Theme.textStyleSize(Theme.Headline)
            weight: Font.DemiBold
            color: card.tint
        }

        StyledText {
            Layout.fillWidth: true
            text: card.title
            textStyle: Theme.Caption
            color: Theme.secondaryLabel
            Accessible.ignored: true
        }

        StyledText {
            objectName: "metricValue"
            Layout.fillWidth: true
            text: card.value
            textStyle: Theme.Headline
            color: Theme.tarInk
            maximumLineCount: 1
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.floor(font.pixelSize * 0.75)
            elide: Text.ElideRight
            Accessible.ignored: true
        }
    }
}
