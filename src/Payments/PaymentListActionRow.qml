import QtQuick
import Tarvik.Design

// A row that leads somewhere, as a button: `title` (heavy) over `subtitle` (muted, up to two
// lines) and a chevron, on translucent paper, at least 72 high.
//   required title, subtitle: string; clicked()
ListRow {
    required title
    required subtitle

    padding: 16
    minimumHeight: 72
    textSpacing: 4
    // The flexible space of at least 8 between the texts and the chevron, spaced on both sides.
    accessorySpacing: 12 + 8 + 12
    pressable: true
    titleLabel.size: 16
    titleLabel.weight: Font.Black
    titleLabel.rounded: true
    titleLabel.color: Theme.tarInk
    titleLabel.wrapMode: Text.Wrap
    subtitleLabel.weight: Font.Medium
    subtitleLabel.color: Theme.withOpacity(Theme.tarInk, 0.52)
    subtitleLabel.maximumLineCount: 2

    background: Rectangle {
        radius: 20
        color: Theme.withOpacity(Theme.tarPaper, 0.78)
    }

    accessory: RowChevron {
        color: Theme.withOpacity(Theme.tarInk, 0.32)
    }
}
