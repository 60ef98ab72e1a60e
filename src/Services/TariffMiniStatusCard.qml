import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A small status tile of the tariff overview: a faint caption over a tinted value.
//   required title, value: string; required tint: color
Rectangle {
    id: card

    required property string title
    required property string value
    required property color tint

    implicitWidth: column.implicitWidth + 24
    implicitHeight: Math.max(58, column.implicitHeight + 24)
    radius: 16
    color: Theme.withOpacity(Theme.white, 0.82)
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value

    ColumnLayout {
        id: column

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: 12
        spacing: 4

        StyledText {
            Layout.fillWidth: true
            text: card.title
            textStyle: Theme.Caption2
            weight: Font.Bold
            color: Theme.withOpacity(Theme.tarInk, 0.48)
            Accessible.ignored: true
        }

        StyledText {
            objectName: "value"
            Layout.fillWidth: true
            text: card.value
            textStyle: Theme.Subheadline
            weight: Font.Black
            color: card.tint
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.floor(font.pixelSize * 0.72)
            Accessible.ignored: true
        }
    }
}
