import QtQuick
import Tarvik.Design

// The chevron at the trailing end of a row or card that opens something: caption-sized, bold,
// tertiary, unless the row draws it at another size, weight or colour.
//   size, weight, color: as a SymbolImage's
SymbolImage {
    name: "chevron.right"
    size: Theme.textStyleSize(Theme.Caption)
    weight: Font.Bold
    color: Theme.tertiaryLabel
}
