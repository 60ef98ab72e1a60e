import QtQuick
import Tarvik.Design

// One story as a card: the picture filling the card, a darkening towards the bottom, and the
// title and subtitle at the bottom left; rounded (24) with a deep shadow.
//   required story: storyContent
Item {
    id: card

    required property var story

    SoftRectangle {
        x: -overhang
        y: 10 - overhang
        width: card.width + 2 * overhang
        height: card.height + 2 * overhang
        radius: 24
        blur: 22
        color: Theme.withOpacity(Theme.black, 0.32)
    }

    AssetImage {
        anchors.fill: parent
        name: card.story.image
        fillMode: AssetImage.Fill
        radius: 24
    }

    Rectangle {
        anchors.fill: parent
        radius: 24
        gradient: Gradient {
            GradientStop { position: 0; color: "transparent" }
            GradientStop { position: 0.5; color: Theme.withOpacity(Theme.black, 0.12) }
            GradientStop { position: 1; color: Theme.withOpacity(Theme.black, 0.82) }
        }
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
