import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The relocation banner of the partner carousel: the moving picture under a dark-to-clear veil,
// "Переезд", the promise, and a white "Оставить заявку" capsule at the bottom. Takes the width it
// is given; 126 high. It draws only: make it the label of a link.
Item {
    id: banner

    implicitWidth: 361
    implicitHeight: 126

    BannerBackdrop {
        picture: "RelocationPromo"
        shadowColor: Theme.withOpacity(Theme.black, 0.1)
        veilStart: Theme.withOpacity(Theme.black, 0.5)
        veilMiddle: Theme.withOpacity(Theme.black, 0.16)

        ColumnLayout {
            x: 20
            y: 14
            width: Math.min(implicitWidth, parent.width - 40)
            height: parent.height - 28
            spacing: 5

            HomeBannerTexts {
                title: "Переезд"
                offer: "Сохраним лицевой счёт и условия по договору"
                // Within the picture's plain left part: the picture is cropped to the banner's
                // centre, which puts the house about 57 + width / 2 from the left.
                offerWidth: Math.min(180, 29 + banner.width / 2, banner.width - 40)
            }

            Item {
                Layout.fillHeight: true
                Layout.minimumHeight: 8
            }

            Rectangle {
                implicitWidth: capsuleLabel.implicitWidth + 24
                implicitHeight: 28
                radius: height / 2
                color: Theme.white

                StyledText {
                    id: capsuleLabel
                    anchors.centerIn: parent
                    text: "Оставить заявку"
                    size: 11
                    weight: Font.Black
                    rounded: true
                    color: Theme.tarInk
                }
            }
        }
    }
}
