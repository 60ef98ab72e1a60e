import QtQuick
import Tarvik.Design

// One line of the autopay summary: a pink icon tile, the muted title and the heavy value at the
// trailing edge (one line; it shrinks to 0.72 of its size before it is cut).
//   required title, value, icon (symbol name): string
ListRow {
    id: row

    required property string icon
    required title
    required value

    horizontalPadding: 14
    minimumHeight: 54
    spacing: 12
    // Between the title and the value: a space of at least 10, spaced on both sides.
    valueSpacing: 12 + 10 + 12
    valueMaximumWidth: availableWidth * 0.6
    titleLabel.size: 14
    titleLabel.weight: Font.DemiBold
    titleLabel.rounded: true
    titleLabel.color: Theme.withOpacity(Theme.tarInk, 0.56)
    valueLabel.objectName: "rowValue"
    valueLabel.size: 14
    valueLabel.weight: Font.Black
    valueLabel.rounded: true
    valueLabel.color: Theme.tarInk
    valueLabel.horizontalAlignment: Text.AlignRight
    valueLabel.verticalAlignment: Text.AlignVCenter
    valueLabel.fontSizeMode: Text.HorizontalFit
    valueLabel.minimumPixelSize: Math.round(14 * 0.72)
    valueLabel.elide: Text.ElideRight
    valueLabel.maximumLineCount: 1

    leading: SymbolTile {
        side: 36
        fillOpacity: 0.1
        symbol: row.icon
        symbolSize: 14
        symbolWeight: Font.Bold
    }
}
