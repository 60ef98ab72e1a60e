import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A line of what the tariff includes: the tinted symbol tile, the title over the grey subtitle,
// and a green check at the trailing end; padded 16.
//   required icon: symbol name; required title, subtitle: string; required tint: color
Item {
    id: row

    required property string icon
    required property string title
    required property string subtitle
    required property color tint

    implicitWidth: content.implicitWidth + 32
    implicitHeight: content.implicitHeight + 32
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ", " + subtitle

    RowLayout {
        id: content

        x: 16
        y: 16
        width: row.width - 32
        spacing: 14

        Rectangle {
            objectName: "includedTile"
            implicitWidth: 38
            implicitHeight: 38
            radius: 12
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
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }

            StyledText {
                Layout.fillWidth: true
                text: row.subtitle
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }
        }

        SymbolImage {
            objectName: "includedCheck"
            Layout.minimumWidth: implicitWidth
            name: "checkmark.circle.fill"
            size: Theme.textStyleSize(Theme.Body)
            color: Theme.systemGreen
        }
    }
}
