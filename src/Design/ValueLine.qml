import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A one-line summary pair: `title` (secondary) at the leading edge, `value` (bold) at the trailing
// edge, in the subheadline font; a long title or value wraps between words, to three lines at most.
// Spans the width of its layout.
//   required title, value: string
Item {
    id: line

    required property string title
    required property string value

    Layout.fillWidth: true
    implicitWidth: Math.ceil(titleMetrics.advanceWidth) + 8 + Math.ceil(valueMetrics.advanceWidth)
    implicitHeight: Math.max(titleText.implicitHeight, valueText.implicitHeight)

    StyledText {
        id: titleText

        anchors.left: parent.left
        anchors.right: valueText.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: line.title
        textStyle: Theme.Subheadline
        color: Theme.secondaryLabel
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight
    }

    StyledText {
        id: valueText

        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        // The value keeps its one-line width, up to 60 % of the line.
        width: Math.min(Math.ceil(valueMetrics.advanceWidth), line.width * 0.6)
        // A unit such as "Гбит/с" or "₽/мес." never breaks at its slash (a word joiner after it),
        // nor away from its number (a no-break space before it).
        text: line.value.replace(/\//g, "/\u2060").replace(/(\d) /g, "$1\u00a0")
        textStyle: Theme.Subheadline
        weight: Font.Bold
        horizontalAlignment: Text.AlignRight
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight
    }

    TextMetrics {
        id: titleMetrics
        font: titleText.font
        text: line.title
    }

    TextMetrics {
        id: valueMetrics
        font: valueText.font
        text: line.value
    }
}
