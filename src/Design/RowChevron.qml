import QtQuick
import Tarvik.Design

// The chevron at the trailing end of a row that opens something: caption-sized, bold, tertiary
// unless the row's surface asks for another colour.
SymbolImage {
    name: "chevron.right"
    size: Theme.textStyleSize(Theme.Caption)
    weight: Font.Bold
    color: Theme.tertiaryLabel
}
