import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A way to reach support, as its own card: orange icon on a round tile, bold title over a
// secondary subtitle, chevron; padding 18. Not interactive itself: make it the contentItem of a
// TarvikButton (Plain) to open something.
//   required icon: symbol name; required title, subtitle: string
CardSurface {
    id: row

    required property string icon
    required property string title
    required property string subtitle

    padding: 18

    contentItem: RowLayout {
        spacing: 14

        Rectangle {
            implicitWidth: 42
            implicitHeight: 42
            radius: 21
            color: Theme.withOpacity(Theme.tarOrange, 0.14)

            SymbolImage {
                anchors.centerIn: parent
                name: row.icon
                color: Theme.tarOrange
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4

            StyledText {
                Layout.fillWidth: true
                text: row.title
                weight: Font.Bold
                elide: Text.ElideRight
            }

            StyledText {
                Layout.fillWidth: true
                text: row.subtitle
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                elide: Text.ElideRight
            }
        }

        SymbolImage {
            name: "chevron.right"
            color: Theme.tertiaryLabel
        }
    }
}
