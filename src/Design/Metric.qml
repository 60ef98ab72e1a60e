import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A small figure: `title` (caption, secondary) over `value` (subheadline, bold).
//   required title, value: string
ColumnLayout {
    required property string title
    required property string value

    spacing: 4

    StyledText {
        text: parent.title
        textStyle: Theme.Caption
        color: Theme.secondaryLabel
    }

    StyledText {
        text: parent.value
        textStyle: Theme.Subheadline
        weight: Font.Bold
    }
}
