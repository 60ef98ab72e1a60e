import QtQuick
import Tarvik.Design

// A way to reach support, as its own card: orange icon on a round tile, bold title over a
// secondary subtitle, chevron; padding 18. Not interactive unless `pressable`.
//   required icon: symbol name; required title, subtitle: string
ListRow {
    id: row

    required property string icon
    required title
    required subtitle

    padding: 18
    textSpacing: 4
    titleLabel.weight: Font.Bold
    titleLabel.elide: Text.ElideRight
    subtitleLabel.wrapMode: Text.NoWrap
    background: CardSurface {}

    leading: SymbolTile {
        symbol: row.icon
        tint: Theme.tarOrange
        fillOpacity: 0.14
        radius: 21
    }

    accessory: RowChevron {
        size: Theme.textStyleSize(Theme.Body)
        weight: Font.Normal
    }
}
