import QtQuick
import Tarvik.Design

// The refer-a-friend banner of the partner carousel: the gift picture on a coral fill under a
// dark-to-clear veil, with "Приведи друга" and the offer at the bottom left. Takes the width it is
// given; 126 high. It draws only: make it the label of a link.
Item {
    id: banner

    implicitWidth: 361
    implicitHeight: 126

    BannerBackdrop {
        picture: "ReferralGiftBackground"
        fill: Qt.rgba(1.0, 0.36, 0.25, 1)
        shadowColor: Theme.withOpacity(Theme.tarOrange, 0.14)
        veilStart: Theme.withOpacity(Theme.black, 0.18)
        veilMiddle: Theme.withOpacity(Theme.black, 0.02)
    }

    Item {
        anchors.fill: parent
        clip: true

        Column {
            x: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 13 + 2
            spacing: 5

            StyledText {
                text: "Приведи друга"
                size: 24
                weight: Font.Black
                rounded: true
                tracking: -0.45
                color: Theme.white
            }

            StyledText {
                width: Math.min(210, implicitWidth, banner.width - 40)
                text: "Скидка 100% себе и 50% другу на 30 дней"
                size: 12
                weight: Font.Bold
                rounded: true
                color: Theme.white
                wrapMode: Text.Wrap
                maximumLineCount: 3
            }
        }
    }
}
