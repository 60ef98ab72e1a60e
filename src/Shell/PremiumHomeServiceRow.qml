import QtQuick
import Tarvik.Design

// A service in a list: a tinted icon tile, the title and a secondary subtitle, and a chevron.
// It draws only unless `pressable`.
//   required icon: symbol name; required title, subtitle: string; required tint: color
ListRow {
    id: row

    required property string icon
    required property color tint
    required title
    required subtitle

    horizontalPadding: 16
    minimumHeight: 72
    titleLabel.weight: Font.DemiBold
    titleLabel.color: Theme.tarInk
    titleLabel.elide: Text.ElideRight
    subtitleLabel.wrapMode: Text.NoWrap

    leading: SymbolTile {
        side: 48
        radius: 14
        symbol: row.icon
        tint: row.tint
        symbolSize: Theme.textStyleSize(Theme.Headline)
        symbolWeight: Font.DemiBold
    }

    accessory: RowChevron {}
}
