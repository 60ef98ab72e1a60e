import QtQuick
import Tarvik.Design

// The tile of a settings row: the symbol in `tint` on a 42 × 42 rounded square of the tint at
// 13 % of its own opacity.
//   required systemName: symbol name; required tint: colour
SymbolTile {
    required property string systemName
    required tint

    symbol: systemName
    fillOpacity: 0.13
    symbolSize: Theme.textStyleSize(Theme.Body)
    symbolWeight: Font.DemiBold
}
