import QtQuick
import Tarvik.Design

// One condition of the trust payment: the symbol on an orange circle, the title in grey and the
// value at the trailing edge (wrapping there when long), at least 66 high.
//   required icon (symbol name), title, value: string
Item {
    id: row

    required property string icon
    required property string title
    required property string value

    implicitHeight: Math.max(66, valueText.implicitHeight + 16)

    Rectangle {
        id: circle

        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 42
        height: 42
        radius: 21
        color: Theme.withOpacity(Theme.tarOrange, 0.14)

        SymbolImage {
            anchors.centerIn: parent
            name: row.icon
            color: Theme.tarOrange
        }
    }

    StyledText {
        id: titleText

        anchors.left: circle.right
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: row.title
        color: Theme.secondaryLabel
    }

    StyledText {
        id: valueText

        // At least 12 between the title and the value.
        anchors.left: titleText.right
        anchors.leftMargin: 12
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: row.value
        textStyle: Theme.Subheadline
        weight: Font.DemiBold
        horizontalAlignment: Text.AlignRight
        wrapMode: Text.Wrap
    }
}
