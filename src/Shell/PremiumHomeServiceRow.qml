import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A service in a list: a tinted icon tile, the title and a secondary subtitle, and a chevron.
// It draws only: make it the label of a link.
//   required icon: symbol name; required title, subtitle: string; required tint: color
Item {
    id: row

    required property string icon
    required property string title
    required property string subtitle
    required property color tint

    implicitWidth: layout.implicitWidth + 32
    implicitHeight: Math.max(72, layout.implicitHeight)

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 14

        Rectangle {
            implicitWidth: 48
            implicitHeight: 48
            radius: 14
            color: Theme.withOpacity(row.tint, 0.12)

            SymbolImage {
                anchors.centerIn: parent
                name: row.icon
                size: Theme.textStyleSize(Theme.Headline)
                weight: Font.DemiBold
                color: row.tint
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3

            StyledText {
                Layout.fillWidth: true
                text: row.title
                weight: Font.DemiBold
                color: Theme.tarInk
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
            size: Theme.textStyleSize(Theme.Caption)
            weight: Font.Bold
            color: Theme.tertiaryLabel
        }
    }
}
