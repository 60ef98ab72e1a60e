import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// One row of the payment-method list: a tinted circle with the icon, the title over the subtitle,
// and a chevron, or a spinner in the tint while `loading`; on a white rounded card.
//   title, subtitle, symbol (symbol name): string; tint: color; fillOpacity: the circle's (0.12)
//   loading: bool; clicked()
T.AbstractButton {
    id: row

    property string title
    property string subtitle
    property string symbol
    property color tint: Theme.tarPink
    property real fillOpacity: 0.12
    property bool loading: false

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 16
    text: title
    Accessible.description: subtitle

    background: Rectangle {
        radius: 18
        color: Theme.white
        opacity: row.down ? 0.7 : 1
    }

    contentItem: RowLayout {
        spacing: 14
        opacity: row.down ? 0.6 : 1

        Rectangle {
            implicitWidth: 52
            implicitHeight: 52
            radius: 26
            color: Theme.withOpacity(row.tint, row.fillOpacity)

            SymbolImage {
                anchors.centerIn: parent
                name: row.symbol
                size: Theme.textStyleSize(Theme.Title3)
                weight: Font.Bold
                color: row.tint
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3

            StyledText {
                Layout.fillWidth: true
                text: row.title
                textStyle: Theme.Headline
                color: Theme.tarInk
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

        ActivityIndicator {
            objectName: "rowSpinner"
            visible: row.loading
            color: row.tint
        }

        SymbolImage {
            visible: !row.loading
            name: "chevron.right"
            color: Theme.tertiaryLabel
        }
    }
}
