import QtQuick
import Tarvik.Design

// A row of the package selection sheets: title over a grey subtitle, an optional price, and the
// choice mark; the whole row is tappable. A row of a section where one package is chosen is
// `exclusive` (a radio button to a screen reader); a row of one where any are, a check box.
//   required title, subtitle: string; price: string (none by default); required selected: bool
//   exclusive: bool (false)
//   subtitleLines: the subtitle's line limit (0: none); clicked()
ListRow {
    id: row

    required property bool selected
    property alias price: row.value
    property int subtitleLines: 0
    required title
    required subtitle

    horizontalPadding: 16
    verticalPadding: 11
    minimumHeight: 44
    spacing: 12
    pressable: true
    checkable: true
    checked: selected
    titleLabel.color: Theme.tarInk
    titleLabel.wrapMode: Text.Wrap
    titleLabel.maximumLineCount: 2
    titleLabel.elide: Text.ElideRight
    subtitleLabel.maximumLineCount: subtitleLines > 0 ? subtitleLines : 1000
    valueLabel.weight: Font.DemiBold
    valueLabel.color: Theme.tarInk

    background: Rectangle {
        color: row.down ? Theme.systemFill : "transparent"

        // The hairline above every row but the first of its group, inset like the text.
        Rectangle {
            visible: row.y > 0
            x: 16
            width: parent.width - 16
            height: 0.5
            color: Theme.separator
        }
    }

    accessory: SymbolImage {
        name: row.selected ? "checkmark.circle.fill" : "circle"
        size: Theme.textStyleSize(Theme.Title3)
        color: row.selected ? Theme.tarPink : Theme.secondaryLabel
    }
}
