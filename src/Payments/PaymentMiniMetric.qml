import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A small figure on a white tile: `title` (tiny, bold, muted) over `value` (heavy, in `tint`, one
// line, shrinking to 0.72 before it is cut).
//   required title, value: string; required tint: color
Rectangle {
    id: metric

    required property string title
    required property string value
    required property color tint

    implicitWidth: column.implicitWidth + 24
    implicitHeight: column.implicitHeight + 20
    radius: 16
    color: Theme.white

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.topMargin: 10
        anchors.bottomMargin: 10
        spacing: 4

        StyledText {
            Layout.fillWidth: true
            text: metric.title
            textStyle: Theme.Caption2
            weight: Font.Bold
            color: Theme.withOpacity(Theme.tarInk, 0.48)
            elide: Text.ElideRight
        }

        StyledText {
            objectName: "metricValue"
            Layout.fillWidth: true
            Layout.preferredHeight: implicitHeight
            text: metric.value
            textStyle: Theme.Subheadline
            weight: Font.Black
            color: metric.tint
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(Theme.textStyleSize(Theme.Subheadline) * 0.72)
            elide: Text.ElideRight
            maximumLineCount: 1
        }
    }
}
