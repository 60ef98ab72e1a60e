import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A small tinted service card: a round badge, a bold title of up to two lines (shrinking to 0.7
// before it is cut) and a muted subtitle, on translucent paper. It draws only: make it the label
// of a link. In a row, cards given equal widths share the row.
//   required icon: symbol name; required title, subtitle: string; required tint: color
Item {
    id: card

    required property string icon
    required property string title
    required property string subtitle
    required property color tint

    implicitWidth: 110
    implicitHeight: Math.max(138, column.implicitHeight + 28)

    Rectangle {
        anchors.fill: parent
        radius: 22
        color: Theme.withOpacity(Theme.tarPaper, 0.78)
    }

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 14
        spacing: 10

        Rectangle {
            implicitWidth: 32
            implicitHeight: 32
            radius: 16
            color: card.tint

            SymbolImage {
                anchors.centerIn: parent
                name: card.icon
                size: 14
                weight: Font.Bold
                color: Theme.white
            }
        }

        Item {
            Layout.fillHeight: true
            Layout.minimumHeight: 2
        }

        // The title's height at full size, at most two lines: the shown title shrinks only when
        // the text needs more than that.
        StyledText {
            id: titleAtFullSize

            visible: false
            width: column.width
            text: card.title
            size: 16
            weight: Font.Bold
            rounded: true
            wrapMode: Text.WordWrap
            maximumLineCount: 2
        }

        StyledText {
            Layout.fillWidth: true
            Layout.preferredHeight: titleAtFullSize.implicitHeight
            text: card.title
            size: 16
            weight: Font.Bold
            rounded: true
            color: Theme.tarInk
            // Whole words only: a word too long for the card shrinks the title instead of breaking.
            wrapMode: Text.WordWrap
            fontSizeMode: Text.Fit
            minimumPixelSize: 11
            elide: Text.ElideRight
        }

        StyledText {
            Layout.fillWidth: true
            text: card.subtitle
            textStyle: Theme.Caption
            weight: Font.Medium
            color: Theme.withOpacity(Theme.tarInk, 0.52)
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }
    }
}
