import QtQuick
import Tarvik.Design

// The brand mark: pixel heart, the product word in capitals and a "BETA" badge.
Row {
    id: mark

    // How strongly it is drawn (0..1). Its text and the badge behind text take it as the alpha of
    // their colours, so that the text stays opaque to the renderer (the greeting breathes by it).
    property real strength: 1

    spacing: 10

    PixelHeart {
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        color: Theme.tarPink
        opacity: mark.strength
    }

    StyledText {
        anchors.verticalCenter: parent.verticalCenter
        text: "Tarvik".toUpperCase()
        size: 24
        weight: Font.Black
        rounded: true
        tracking: 1.8
        color: Theme.withOpacity(Theme.tarPink, mark.strength)
    }

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: beta.implicitWidth + 16
        height: beta.implicitHeight + 8
        radius: height / 2
        color: Theme.withOpacity(Theme.tarOrange, mark.strength)

        StyledText {
            id: beta
            anchors.centerIn: parent
            text: "BETA"
            textStyle: Theme.Caption2
            weight: Font.Bold
            color: Theme.withOpacity(Theme.tarInk, mark.strength)
        }
    }
}
