import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account

// One operation of the payment history: a tinted ruble badge (pink for money in, orange for
// money out), the title over the date, and the amount exactly as the account gives it (green for
// money in). The list places the dividers between rows.
//   required operation: paymentOperation
Item {
    id: row

    required property paymentOperation operation
    readonly property color tint: operation.isPositive ? Theme.tarPink : Theme.tarOrange
    readonly property color amountColor: operation.isPositive ? Theme.systemGreen : Theme.tarInk

    implicitWidth: layout.implicitWidth + 32
    implicitHeight: layout.implicitHeight + 32
    Accessible.role: Accessible.StaticText
    Accessible.name: operation.title + ", " + operation.date + ", " + operation.amount

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        Rectangle {
            objectName: "operationBadge"
            implicitWidth: 40
            implicitHeight: 40
            radius: 20
            color: Theme.withOpacity(row.tint, 0.12)

            SymbolImage {
                objectName: "operationSymbol"
                anchors.centerIn: parent
                name: "rublesign"
                weight: Font.Bold
                color: row.tint
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3

            StyledText {
                Layout.fillWidth: true
                text: row.operation.title
                textStyle: Theme.Subheadline
                weight: Font.Bold
                color: Theme.tarInk
                elide: Text.ElideRight
                maximumLineCount: 1
                Accessible.ignored: true
            }

            StyledText {
                Layout.fillWidth: true
                text: row.operation.date
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                elide: Text.ElideRight
                maximumLineCount: 1
                Accessible.ignored: true
            }
        }

        StyledText {
            id: amountText

            objectName: "operationAmount"
            // Its one-line width, but never more than half the row; shrinks to 0.76 before it is cut.
            Layout.preferredWidth: Math.min(amountMetrics.advanceWidth + 1, layout.width / 2)
            Layout.preferredHeight: amountMetrics.height
            text: row.operation.amount
            textStyle: Theme.Subheadline
            weight: Font.Bold
            color: row.amountColor
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(Theme.textStyleSize(Theme.Subheadline) * 0.76)
            elide: Text.ElideRight
            maximumLineCount: 1
            Accessible.ignored: true
        }
    }

    TextMetrics {
        id: amountMetrics
        font: amountText.font
        text: row.operation.amount
    }
}
