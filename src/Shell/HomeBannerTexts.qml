import QtQuick
import Tarvik.Design

// The heading and the offer of a partner carousel banner, in white, 5 apart; the offer wraps
// within `offerWidth`, on three lines at most.
//   required title, offer: string; offerWidth: real (the offer's own width)
Column {
    id: texts

    required property string title
    required property string offer
    property real offerWidth: offerText.implicitWidth

    spacing: 5

    StyledText {
        text: texts.title
        size: 24
        weight: Font.Black
        rounded: true
        tracking: -0.45
        color: Theme.white
    }

    StyledText {
        id: offerText

        width: Math.min(texts.offerWidth, implicitWidth)
        text: texts.offer
        size: 12
        weight: Font.Bold
        rounded: true
        color: Theme.white
        wrapMode: Text.Wrap
        maximumLineCount: 3
    }
}
