import QtQuick
import Tarvik.Design

// One condition of the trust payment: the symbol on an orange circle, the title in grey and the
// value at the trailing edge (wrapping there when long), at least 66 high.
//   required icon (symbol name), title, value: string
ListRow {
    id: row

    required property string icon
    required title
    required value

    verticalPadding: 8
    minimumHeight: 66
    // At least 12 between the title and the value, which gives way to the title.
    valueSpacing: 12
    valueMaximumWidth: availableWidth - leading.width - spacing - titleLabel.implicitWidth - valueSpacing
    titleLabel.color: Theme.secondaryLabel
    valueLabel.weight: Font.DemiBold
    valueLabel.color: Theme.label
    valueLabel.horizontalAlignment: Text.AlignRight
    valueLabel.wrapMode: Text.Wrap

    leading: SymbolTile {
        symbol: row.icon
        tint: Theme.tarOrange
        fillOpacity: 0.14
        radius: 21
    }
}
