import QtQuick
import Tarvik.Design

// A service in a list, as a button: pink icon tile, title and subtitle, chevron; padding 16, no
// background.
//   required icon: symbol name; required title, subtitle: string; clicked()
ListRow {
    id: row

    required property string icon
    required title
    required subtitle

    padding: 16
    pressable: true
    titleLabel.textStyle: Theme.Subheadline
    titleLabel.weight: Font.Bold
    titleLabel.elide: Text.ElideRight
    subtitleLabel.wrapMode: Text.NoWrap

    leading: SymbolTile {
        side: 44
        symbol: row.icon
    }

    accessory: RowChevron {
        size: Theme.textStyleSize(Theme.Body)
        weight: Font.Normal
    }
}
