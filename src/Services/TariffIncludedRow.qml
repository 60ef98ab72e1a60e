import QtQuick
import Tarvik.Design

// A line of what the tariff includes: the tinted symbol tile, the title over the grey subtitle,
// and a green check at the trailing end; padded 16.
//   required icon: symbol name; required title, subtitle: string; required tint: color
ListRow {
    id: row

    required property string icon
    required property color tint
    required title
    required subtitle

    padding: 16
    titleLabel.weight: Font.DemiBold
    titleLabel.wrapMode: Text.Wrap

    leading: SymbolTile {
        objectName: "includedTile"
        side: 38
        symbol: row.icon
        tint: row.tint
        symbolSize: Theme.textStyleSize(Theme.Headline)
        symbolWeight: Font.DemiBold
    }

    accessory: SymbolImage {
        objectName: "includedCheck"
        name: "checkmark.circle.fill"
        size: Theme.textStyleSize(Theme.Body)
        color: Theme.systemGreen
    }
}
