import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Profile

// A tappable settings row: tile, title over subtitle (both wrap), then a chevron; at least 68
// high, or 72 with a `value` before the chevron. The whole row is the button.
//   required icon: symbol name; required tint: colour; required title, subtitle: string
//   value: string (none); clicked()
Item {
    id: row

    required property string icon
    required property color tint
    required property string title
    required property string subtitle
    property string value

    signal clicked()

    implicitWidth: button.implicitWidth
    implicitHeight: button.implicitHeight

    TarvikButton {
        id: button

        anchors.fill: parent
        buttonStyle: TarvikButton.Plain
        text: row.title
        leftPadding: 16
        rightPadding: 16
        implicitHeight: Math.max(row.value.length > 0 ? 72 : 68, implicitContentHeight + 20)
        onClicked: row.clicked()

        background: Rectangle {
            color: button.down ? Theme.withOpacity(Theme.black, 0.04) : "transparent"
        }

        contentItem: RowLayout {
            spacing: 14

            SettingsIcon {
                systemName: row.icon
                tint: row.tint
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 3

                StyledText {
                    Layout.fillWidth: true
                    text: row.title
                    weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: row.subtitle
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
            }

            StyledText {
                Layout.leftMargin: 8 - 14
                visible: row.value.length > 0
                text: row.value
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
            }

            SymbolImage {
                name: "chevron.right"
                size: Theme.textStyleSize(Theme.Caption)
                weight: Font.Bold
                color: Theme.tertiaryLabel
            }
        }
    }
}
