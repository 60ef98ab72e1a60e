import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One figure of the statistics screen: its symbol in the card's colour, the title, the value,
// on a white rounded card.
//   required title, value, icon (symbol name): string; required tint: colour
Rectangle {
    id: card

    required property string title
    required property string value
    required property string icon
    required property color tint

    implicitWidth: layout.implicitWidth + 32
    implicitHeight: layout.implicitHeight + 32
    radius: 20
    color: Theme.white
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value

    ColumnLayout {
        id: layout

        x: 16
        y: 16
        width: card.width - 32
        spacing: 12

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
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        StyledText {
            objectName: "metricValue"
            Layout.fillWidth: true
            text: card.value
            textStyle: Theme.Title3
            weight: Font.Bold
            color: Theme.tarInk
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
            elide: Text.ElideRight
            maximumLineCount: 1
            Accessible.ignored: true
        }
    }
}
