import QtQuick
import Tarvik.Design
import Tarvik.SpeedTest

// A compact figure of the speed test: "Ping 13 мс" with the symbol in the tint.
//   required title, unit, icon (symbol name): string; value: number or undefined; tint: colour
Row {
    id: metric

    required property string title
    required property string unit
    required property string icon
    property var value
    property color tint: Theme.systemYellow
    readonly property string valueText: SpeedometerScale.metricValue(value)

    spacing: 6
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + valueText + " " + unit

    StyledText {
        anchors.verticalCenter: parent.verticalCenter
        text: metric.title
        textStyle: Theme.Caption
        color: Theme.withOpacity(Theme.white, 0.5)
        Accessible.ignored: true
    }

    SymbolImage {
        anchors.verticalCenter: parent.verticalCenter
        name: metric.icon
        size: Theme.textStyleSize(Theme.Caption)
        color: metric.tint
    }

    StyledText {
        objectName: "metricValue"
        anchors.verticalCenter: parent.verticalCenter
        text: metric.valueText
        textStyle: Theme.Subheadline
        weight: Font.Bold
        color: Theme.white
        Accessible.ignored: true
    }

    StyledText {
        anchors.verticalCenter: parent.verticalCenter
        text: metric.unit
        textStyle: Theme.Caption
        color: Theme.withOpacity(Theme.white, 0.5)
        Accessible.ignored: true
    }
}
