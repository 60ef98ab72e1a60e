import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// A row of the package selection sheets: title over a grey subtitle, an optional price, and the
// choice mark; the whole row is tappable.
//   required title, subtitle: string; price: string (none by default); required selected: bool
//   subtitleLines: the subtitle's line limit (0: none); clicked()
T.AbstractButton {
    id: row

    required property string title
    required property string subtitle
    required property bool selected
    property string price
    property int subtitleLines: 0

    implicitWidth: content.implicitWidth + 32
    implicitHeight: Math.max(44, content.implicitHeight + 22)
    Accessible.name: title + ", " + subtitle + (price.length > 0 ? ", " + price : "")
    Accessible.checkable: true
    Accessible.checked: selected

    background: Rectangle {
        color: row.down ? Theme.systemFill : "transparent"

        // The hairline above every row but the first of its group, inset like the text.
        Rectangle {
            visible: row.y > 0
            x: 16
            width: parent.width - 16
            height: 0.5
            color: Theme.separator
        }
    }

    contentItem: Item {
        RowLayout {
            id: content

            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 16
            anchors.topMargin: 11
            anchors.bottomMargin: 11
            spacing: 12

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 3

                StyledText {
                    Layout.fillWidth: true
                    text: row.title
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    Accessible.ignored: true
                }

                StyledText {
                    Layout.fillWidth: true
                    text: row.subtitle
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                    maximumLineCount: row.subtitleLines > 0 ? row.subtitleLines : 1000
                    elide: Text.ElideRight
                    Accessible.ignored: true
                }
            }

            StyledText {
                objectName: "price"
                visible: row.price.length > 0
                text: row.price
                textStyle: Theme.Subheadline
                weight: Font.DemiBold
                color: Theme.tarInk
                Accessible.ignored: true
            }

            SymbolImage {
                objectName: "mark"
                name: row.selected ? "checkmark.circle.fill" : "circle"
                size: Theme.textStyleSize(Theme.Title3)
                color: row.selected ? Theme.tarPink : Theme.secondaryLabel
            }
        }
    }
}
