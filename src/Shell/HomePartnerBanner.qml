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

        HomeBannerTexts {
            x: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 13 + 2
            title: "Приведи друга"
            offer: "Скидка 100% себе и 50% другу на 30 дней"
            offerWidth: Math.min(210, banner.width - 40)
        }
    }
}
