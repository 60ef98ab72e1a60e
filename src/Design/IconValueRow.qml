import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A list row: the symbol `icon` in a pink round badge, `title` and, at the trailing edge,
// `value` (secondary); padded 16 across, at least 66 high. Spans the width of its layout.
//   required icon: symbol name; required title, value: string
Item {
    id: row

    required property string icon
    required property string title
    required property string value

    Layout.fillWidth: true
    implicitWidth: layout.implicitWidth + 32
    implicitHeight: Math.max(66, layout.implicitHeight)

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 14

        Rectangle {
            implicitWidth: 42
            implicitHeight: 42
            radius: 21
            color: Theme.withOpacity(Theme.tarPink, 0.12)

            SymbolImage {
                anchors.centerIn: parent
                name: row.icon
                color: Theme.tarPink
            }
        }

        StyledText {
            text: row.title
            weight: Font.Medium
        }

        Item {
            Layout.fillWidth: true
        }

        StyledText {
            text: row.value
            textStyle: Theme.Subheadline
            color: Theme.secondaryLabel
        }
    }
}
