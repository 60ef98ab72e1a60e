import QtQuick
import QtQuick.Layouts
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

    implicitWidth: layout.implicitWidth + 32
    implicitHeight: layout.implicitHeight + 32
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ", " + date + ", " + amount

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.margins: 16
        spacing: 14

        Rectangle {
            objectName: "operationTile"
            implicitWidth: 46
            implicitHeight: 46
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

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3

            StyledText {
                Layout.fillWidth: true
                text: row.title
                textStyle: Theme.Subheadline
                weight: Font.DemiBold
                color: Theme.tarInk
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }

            StyledText {
                Layout.fillWidth: true
                text: row.date
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
                Accessible.ignored: true
            }
        }

        StyledText {
            objectName: "operationAmount"
            Layout.maximumWidth: layout.width / 2
            text: row.amount
            textStyle: Theme.Subheadline
            weight: Font.Bold
            color: row.positive ? Theme.systemGreen : Theme.tarInk
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.Wrap
            Accessible.ignored: true
        }
    }
}
