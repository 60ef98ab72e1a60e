import QtQuick
import Tarvik.Design

// One line of the statistics screen's operations: a tinted tile with the direction arrow (pink
// for money in, orange for money out), the title over the date, and the amount (green for
// money in).
//   required icon (symbol name), title, date, amount: string; required positive: bool
Item {
    id: row

    required property string icon
    required property string title
    required property string date
    required property string amount
    required property bool positive
    readonly property color tint: positive ? Theme.tarPink : Theme.tarOrange

    // Placed by bindings, not layouts: the row's height is known the moment it is made, so the
    // list that makes it never sees it change under its own layout.
    implicitHeight: Math.max(tile.height, texts.height, amountText.height) + 32
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ", " + date + ", " + amount

    Rectangle {
        id: tile

        objectName: "operationTile"
        x: 16
        anchors.verticalCenter: parent.verticalCenter
        width: 46
        height: 46
        radius: 12
        color: Theme.withOpacity(row.tint, 0.12)

        SymbolImage {
            objectName: "operationSymbol"
            anchors.centerIn: parent
            name: row.icon
            weight: Font.DemiBold
            color: row.tint
        }
    }

    Item {
        id: texts

        x: tile.x + tile.width + 14
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(0, amountText.x - 14 - x)
        height: dateText.y + dateText.height

        StyledText {
            id: titleText

            width: parent.width
            text: row.title
            textStyle: Theme.Subheadline
            weight: Font.DemiBold
            color: Theme.tarInk
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        StyledText {
            id: dateText

            y: titleText.height + 3
            width: parent.width
            text: row.date
            textStyle: Theme.Caption
            color: Theme.secondaryLabel
            wrapMode: Text.Wrap
            Accessible.ignored: true
        }
    }

    StyledText {
        id: amountText

        objectName: "operationAmount"
        x: row.width - 16 - width
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(implicitWidth, (row.width - 32) / 2)
        text: row.amount
        textStyle: Theme.Subheadline
        weight: Font.Bold
        color: row.positive ? Theme.systemGreen : Theme.tarInk
        horizontalAlignment: Text.AlignRight
        wrapMode: Text.Wrap
        Accessible.ignored: true
    }
}
