import QtQuick
import Tarvik.Design

// A section caption inside a request form's card: 18 pt black rounded ink, 4 above.
//   text: string
StyledText {
    size: 18
    weight: Font.Black
    rounded: true
    color: Theme.tarInk
    topPadding: 4
    wrapMode: Text.Wrap
    Accessible.role: Accessible.Heading
}
