import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A tile of the home quick hub: a tinted icon tile, a bold title and a one-line subtitle on
// translucent paper. It draws only: make it the label of a link.
//   required icon: symbol name; required title, subtitle: string; required tint: color
Item {
    id: tile

    required property string icon
    required property string title
    required property string subtitle
    required property color tint

    implicitWidth: row.implicitWidth + 24
    implicitHeight: Math.max(66, row.implicitHeight + 24)

    Rectangle {
        anchors.fill: parent
        radius: 19
        color: Theme.withOpacity(Theme.tarPaper, 0.72)
    }

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.margins: 12
        spacing: 10

        Rectangle {
            implicitWidth: 34
            implicitHeight: 34
            radius: 12
            color: Theme.withOpacity(tile.tint, 0.12)

            SymbolImage {
                anchors.centerIn: parent
                name: tile.icon
                size: 13
                weight: Font.Bold
                color: tile.tint
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            StyledText {
                Layout.fillWidth: true
                text: tile.title
                textStyle: Theme.Subheadline
                weight: Font.Bold
                color: Theme.tarInk
                elide: Text.ElideRight
            }

            StyledText {
                Layout.fillWidth: true
                text: tile.subtitle
                textStyle: Theme.Caption
                weight: Font.Medium
                color: Theme.secondaryLabel
                elide: Text.ElideRight
            }
        }

        Item {
            Layout.minimumWidth: 2
        }
    }
}
