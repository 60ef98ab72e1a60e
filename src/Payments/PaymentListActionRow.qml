import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A row that leads somewhere: `title` (heavy) over `subtitle` (muted, up to two lines) and a
// chevron, on translucent paper, at least 72 high. It draws only: make it the contentItem of a
// TarvikButton (Plain).
//   required title, subtitle: string
Item {
    id: row

    required property string title
    required property string subtitle

    implicitWidth: layout.implicitWidth + 32
    implicitHeight: Math.max(72, layout.implicitHeight + 32)

    Rectangle {
        anchors.fill: parent
        radius: 20
        color: Theme.withOpacity(Theme.tarPaper, 0.78)
    }

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4

            StyledText {
                Layout.fillWidth: true
                text: row.title
                size: 16
                weight: Font.Black
                rounded: true
                color: Theme.tarInk
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }

            StyledText {
                Layout.fillWidth: true
                text: row.subtitle
                textStyle: Theme.Caption
                weight: Font.Medium
                color: Theme.withOpacity(Theme.tarInk, 0.52)
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                Accessible.ignored: true
            }
        }

        SymbolImage {
            // The flexible space of at least 8 between the texts and the chevron, spaced on both sides.
            Layout.leftMargin: 8 + layout.spacing
            name: "chevron.right"
            size: Theme.textStyleSize(Theme.Caption)
            weight: Font.Bold
            color: Theme.withOpacity(Theme.tarInk, 0.32)
        }
    }
}
