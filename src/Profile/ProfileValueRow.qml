import QtQuick
import Tarvik.Design

// A row of the profile's contact card: symbol, title, and the value on the right in grey (one
// line, shrinking to 72 % before it is cut); with `chevron` it leads somewhere: it is a button.
//   required icon: symbol name; required title, value: string; chevron: bool (false); clicked()
ListRow {
    id: row

    required property string icon
    property bool chevron: false
    required title
    required value

    horizontalPadding: 14
    minimumHeight: 56
    spacing: 12
    // A space of at least 8 between the title and the value, less the spacing on both sides.
    valueSpacing: 12 + (8 - 12) + 12
    valueMaximumWidth: availableWidth * 0.6
    pressable: chevron
    titleLabel.size: 16
    titleLabel.color: Theme.tarInk
    valueLabel.objectName: "rowValue"
    valueLabel.size: 14
    valueLabel.horizontalAlignment: Text.AlignRight
    valueLabel.maximumLineCount: 1
    valueLabel.fontSizeMode: Text.HorizontalFit
    valueLabel.minimumPixelSize: Math.round(14 * 0.72)
    valueLabel.elide: Text.ElideRight

    background: Rectangle {
        radius: 20
        color: row.down ? Theme.withOpacity(Theme.black, 0.04) : "transparent"
    }

    leading: SymbolImage {
        width: 32
        height: 32
        name: row.icon
        size: 21
        color: Theme.tarInk
    }

    accessory: RowChevron {
        visible: row.chevron
        size: 13
        weight: Font.DemiBold
        color: Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.35)
    }
}
