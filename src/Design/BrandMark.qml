import QtQuick
import Tarvik.Design

// The brand mark: pixel heart, the product word in capitals and a "BETA" badge. No inputs.
Row {
    spacing: 10

    PixelHeart {
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        color: Theme.tarPink
    }

    StyledText {
        anchors.verticalCenter: parent.verticalCenter
        text: "Tarvik".toUpperCase()
        size: 24
        weight: Font.Black
        rounded: true
        tracking: 1.8
        color: Theme.tarPink
    }

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: beta.implicitWidth + 16
        height: beta.implicitHeight + 8
        radius: height / 2
        color: Theme.tarOrange

        StyledText {
            id: beta
            anchors.centerIn: parent
            text: "BETA"
            textStyle: Theme.Caption2
            weight: Font.Bold
            color: Theme.tarInk
        }
    }
}
