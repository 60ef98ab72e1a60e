import QtQuick
import Tarvik.Design

// One story as a card: the picture filling the card, a darkening towards the bottom, and the
// title and subtitle at the bottom left; rounded (24) with a deep shadow.
//   required story: storyContent
Item {
    id: card

    required property var story

    BannerBackdrop {
        picture: card.story.image
        radius: 24
        shadowColor: Theme.withOpacity(Theme.black, 0.32)
        shadowBlur: 22
        shadowOffset: 10
        veilOrientation: Gradient.Vertical
        veilStart: "transparent"
        veilMiddle: Theme.withOpacity(Theme.black, 0.12)
        veilEnd: Theme.withOpacity(Theme.black, 0.82)
    }

    Column {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 24
        anchors.rightMargin: 24
        anchors.bottomMargin: 84
        spacing: 10

        StyledText {
            width: parent.width
            text: card.story.title
            size: 34
            weight: Font.Bold
            rounded: true
            color: Theme.white
            wrapMode: Text.Wrap
        }
        StyledText {
            width: parent.width
            text: card.story.subtitle
            color: Theme.withOpacity(Theme.white, 0.86)
            wrapMode: Text.Wrap
        }
    }
}
