import QtQuick
import Tarvik.Design

// A value of the account with a round badge: the symbol in pink on a faint pink circle, the title
// (medium weight) and the value on the right in grey; at least 66 high, padded 16 at the sides.
// Reads as one text.
//   required icon: symbol name; required title, value: string
ListRow {
    id: row

    required property string icon
    required title
    required value

    horizontalPadding: 16
    minimumHeight: 66
    titleLabel.weight: Font.Medium

    leading: SymbolTile {
        symbol: row.icon
        radius: 21
    }
}
