import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// An addition of the tariff change order that opens its selection sheet: the tinted icon tile,
// the title and the current choice, and the up-down chevrons. The whole padded row is tappable.
//   required symbol: symbol name; required title, subtitle: string; required tint: color; clicked()
T.AbstractButton {
    id: row

    required property string symbol
    required property string title
    required property string subtitle
    required property color tint

    implicitWidth: content.implicitWidth + 32
    implicitHeight: content.implicitHeight + 32
    Accessible.name: title + ", " + subtitle

    background: Rectangle {
        color: row.down ? Theme.withOpacity(Theme.tarInk, 0.04) : "transparent"
        radius: 22
    }

    contentItem: Item {
        RowLayout {
            id: content

            anchors.fill: parent
            anchors.margins: 16
            spacing: 14

            Rectangle {
                Layout.preferredWidth: 42
                Layout.preferredHeight: 42
                radius: 12
                color: Theme.withOpacity(row.tint, 0.12)

                SymbolImage {
                    anchors.centerIn: parent
                    name: row.symbol
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
                    textStyle: Theme.Body
                    weight: Font.DemiBold
                    color: Theme.tarInk
                    Accessible.ignored: true
                }

                StyledText {
                    objectName: "subtitle"
                    Layout.fillWidth: true
                    text: row.subtitle
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    Accessible.ignored: true
                }
            }

            SymbolImage {
                name: "chevron.up.chevron.down"
                size: Theme.textStyleSize(Theme.Caption)
                weight: Font.Bold
                color: Theme.secondaryLabel
            }
        }
    }
}
