import QtQuick
import Tarvik.Design

// One line of the statistics screen's operations: a tinted tile with the direction arrow (pink
// for money in, orange for money out), the title over the date, and the amount (green for
// money in), at most half the row wide.
//   required icon (symbol name), title, date, amount: string; required positive: bool
ListRow {
    id: row

    required property string icon
    required property string date
    required property string amount
    required property bool positive
    readonly property color tint: positive ? Theme.tarPink : Theme.tarOrange
    required title

    padding: 16
    subtitle: date
    value: amount
    valueMaximumWidth: availableWidth / 2
    titleLabel.textStyle: Theme.Subheadline
    titleLabel.weight: Font.DemiBold
    titleLabel.color: Theme.tarInk
    titleLabel.wrapMode: Text.Wrap
    titleLabel.maximumLineCount: 2
    titleLabel.elide: Text.ElideRight
    valueLabel.objectName: "operationAmount"
    valueLabel.weight: Font.Bold
    valueLabel.color: positive ? Theme.systemGreen : Theme.tarInk
    valueLabel.horizontalAlignment: Text.AlignRight
    valueLabel.wrapMode: Text.Wrap

    leading: SymbolTile {
        side: 46
        symbol: row.icon
        tint: row.tint
        symbolWeight: Font.DemiBold
    }
}
