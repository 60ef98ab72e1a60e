import QtQuick
import Tarvik.Design

// Text in one of the platform's text styles, or in the system font at a fixed size.
//   textStyle: Theme.Body (default) … Theme.Caption2; weight: -1 keeps the style's own, else Font.Bold etc.
//   size: > 0 switches to the system font at that size (weight then defaults to regular)
//   rounded: the rounded design; tracking: extra letter spacing in pixels; color: Theme.label by default
Text {
    property int textStyle: Theme.Body
    property int weight: -1
    property real size: 0
    property bool rounded: false
    property real tracking: 0

    color: Theme.label
    // Plain unless a caller says otherwise: text from the site or the user is never read as markup
    // (Text's own default renders, and fetches the pictures of, anything that looks like HTML).
    textFormat: Text.PlainText
    Accessible.name: text
    font: size > 0 ? Theme.systemFont(size, weight < 0 ? Font.Normal : weight, rounded, tracking)
                   : Theme.font(textStyle, weight, rounded, tracking)
}
