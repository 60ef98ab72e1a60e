import QtQuick
import Tarvik.Design
import Tarvik.Account

// One operation of the payment history: a tinted ruble badge (pink for money in, orange for
// money out), the title over the date, and the amount exactly as the account gives it (green for
// money in). The list places the dividers between rows.
//   required operation: paymentOperation
ListRow {
    id: row

    required property paymentOperation operation
    readonly property color tint: operation.isPositive ? Theme.tarPink : Theme.tarOrange

    padding: 16
    spacing: 12
    title: operation.title
    subtitle: operation.date
    value: operation.amount
    // Its one-line width, but never more than half the row; shrinks to 0.76 before it is cut.
    valueMaximumWidth: availableWidth / 2
    titleLabel.textStyle: Theme.Subheadline
    titleLabel.weight: Font.Bold
    titleLabel.color: Theme.tarInk
    titleLabel.elide: Text.ElideRight
    subtitleLabel.wrapMode: Text.NoWrap
    valueLabel.objectName: "operationAmount"
    valueLabel.weight: Font.Bold
    valueLabel.color: operation.isPositive ? Theme.systemGreen : Theme.tarInk
    valueLabel.horizontalAlignment: Text.AlignRight
    valueLabel.verticalAlignment: Text.AlignVCenter
    valueLabel.fontSizeMode: Text.HorizontalFit
    valueLabel.minimumPixelSize: Math.round(Theme.textStyleSize(Theme.Subheadline) * 0.76)
    valueLabel.elide: Text.ElideRight
    valueLabel.maximumLineCount: 1

    leading: SymbolTile {
        objectName: "operationBadge"
        side: 40
        radius: 20
        symbol: "rublesign"
        tint: row.tint
        symbolWeight: Font.Bold
    }
}
