import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One line of the autopay summary: a pink icon tile, the muted title and the heavy value at the
// trailing edge (one line; it shrinks to 0.72 of its size before it is cut).
//   required title, value, icon (symbol name): string
Item {
    id: row

    required property string title
    required property string value
    required property string icon

    implicitWidth: layout.implicitWidth + 28
    implicitHeight: Math.max(54, layout.implicitHeight)
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        spacing: 12

        AutopayIconTile {
            icon: row.icon
        }

        StyledText {
            text: row.title
            size: 14
            weight: Font.DemiBold
            rounded: true
            color: Theme.withOpacity(Theme.tarInk, 0.56)
            Accessible.ignored: true
        }

        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: 10
        }

        StyledText {
            id: valueText

            objectName: "rowValue"
            Layout.preferredWidth: Math.min(valueMetrics.advanceWidth + 1, layout.width * 0.6)
            Layout.preferredHeight: valueMetrics.height
            text: row.value
            size: 14
            weight: Font.Black
            rounded: true
            color: Theme.tarInk
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(14 * 0.72)
            elide: Text.ElideRight
            maximumLineCount: 1
            Accessible.ignored: true
        }
    }

    TextMetrics {
        id: valueMetrics
        font: valueText.font
        text: row.value
    }
}
