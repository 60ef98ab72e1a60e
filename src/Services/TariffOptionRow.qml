import QtQuick
import Tarvik.Design

// An addition of the tariff change order that opens its selection sheet: the tinted icon tile,
// the title and the current choice, and the up-down chevrons. The whole padded row is tappable.
//   required symbol: symbol name; required title, subtitle: string; required tint: color; clicked()
ListRow {
    id: row

    required property string symbol
    required property color tint
    required title
    required subtitle

    padding: 16
    pressable: true
    titleLabel.weight: Font.DemiBold
    titleLabel.color: Theme.tarInk
    subtitleLabel.maximumLineCount: 2

    background: Rectangle {
        color: row.down ? Theme.withOpacity(Theme.tarInk, 0.04) : "transparent"
        radius: 22
    }

    leading: SymbolTile {
        symbol: row.symbol
        tint: row.tint
        symbolSize: Theme.textStyleSize(Theme.Headline)
        symbolWeight: Font.DemiBold
    }

    accessory: SymbolImage {
        name: "chevron.up.chevron.down"
        size: Theme.textStyleSize(Theme.Caption)
        weight: Font.Bold
        color: Theme.secondaryLabel
    }
}
