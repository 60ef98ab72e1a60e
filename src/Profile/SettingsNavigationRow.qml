import QtQuick
import Tarvik.Design
import Tarvik.Profile

// A tappable settings row: tile, title over subtitle (both wrap), then a chevron; at least 68
// high, or 72 with a `value` before the chevron. The whole row is the button.
//   required icon: symbol name; required tint: colour; required title, subtitle: string
//   value: string (none); clicked()
ListRow {
    id: row

    required property string icon
    required property color tint
    required title
    required subtitle

    horizontalPadding: 16
    verticalPadding: 10
    minimumHeight: value.length > 0 ? 72 : 68
    valueSpacing: 8
    pressable: true
    titleLabel.weight: Font.DemiBold
    titleLabel.wrapMode: Text.Wrap

    background: Rectangle {
        color: row.down ? Theme.withOpacity(Theme.black, 0.04) : "transparent"
    }

    leading: SettingsIcon {
        systemName: row.icon
        tint: row.tint
    }

    accessory: RowChevron {}
}
