import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A service in a list: pink icon tile, title and subtitle, chevron; padding 16, no background.
// Not interactive itself: make it the contentItem of a TarvikButton (Plain) to open something.
//   required icon: symbol name; required title, subtitle: string
Item {
    id: row

    required property string icon
    required property string title
    required property string subtitle

    implicitWidth: layout.implicitWidth + 32
    implicitHeight: layout.implicitHeight + 32

    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.margins: 16
        spacing: 14

        Rectangle {
            implicitWidth: 44
            implicitHeight: 44
            radius: 12
            color: Theme.withOpacity(Theme.tarPink, 0.12)

            SymbolImage {
                anchors.centerIn: parent
                name: row.icon
                color: Theme.tarPink
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3

            StyledText {
                Layout.fillWidth: true
                text: row.title
                textStyle: Theme.Subheadline
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
