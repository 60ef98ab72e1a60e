import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shell

// "Выгода от Tarvik": the carousel that alternates the refer-a-friend and relocation banners (a
// turn every 4.2 s while `active`), its dots, and the row of three partner service cards.
//   carouselIndex: int (500 at start); active: bool; open(destination, properties): push a screen
ColumnLayout {
    id: section

    property alias carouselIndex: carousel.currentIndex
    property bool active: true
    readonly property alias carousel: carousel

    signal open(var destination, var properties)

    spacing: 12

    StyledText {
        text: "Выгода от Tarvik"
        size: 21
        weight: Font.Bold
        rounded: true
        tracking: -0.35
        color: Theme.tarInk
        Accessible.role: Accessible.Heading
    }

    HomeCarousel {
        id: carousel

        objectName: "partnerCarousel"
        Layout.fillWidth: true
        Layout.preferredHeight: 126
        interval: 4200
        running: section.active
        cornerRadius: 22

        evenPage: Component {
            TarvikButton {
                objectName: "referralLink"
                buttonStyle: TarvikButton.Plain
                text: "Приведи друга"
                contentItem: HomePartnerBanner {}
                onClicked: section.open(Destinations.referralFriend, {}) // qmllint disable unqualified
            }
        }

        oddPage: Component {
            TarvikButton {
                objectName: "relocationLink"
                buttonStyle: TarvikButton.Plain
                text: "Переезд"
                contentItem: HomeRelocationBanner {}
                onClicked: section.open(Destinations.relocationRequest, {}) // qmllint disable unqualified
            }
        }
    }

    HomeCarouselDots {
        Layout.fillWidth: true
        Layout.topMargin: -2
        index: carousel.currentIndex
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        Repeater {
            model: [
                { icon: "play.tv.fill", title: "24ТВ", subtitle: "Каналы и кино", tint: Theme.tarPink, destination: Destinations.televisionService },
                { icon: "simcard.2.fill", title: "Моб. связь", subtitle: "ГБ и перенос", tint: Theme.systemBlue, destination: Destinations.mobileService },
                { icon: "bag.fill", title: "Shop", subtitle: "Роутеры и ТВ", tint: Theme.tarOrange, destination: Destinations.shop }
            ]

            TarvikButton {
                id: card

                required property var modelData

                objectName: "partnerCard" + modelData.title
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                // Every card as tall as the tallest: their titles and subtitles line up.
                Layout.fillHeight: true
                buttonStyle: TarvikButton.Plain
                text: modelData.title
                contentItem: HomeMiniPartnerCard {
                    icon: card.modelData.icon
                    title: card.modelData.title
                    subtitle: card.modelData.subtitle
                    tint: card.modelData.tint
                }
                onClicked: section.open(modelData.destination, {}) // qmllint disable unqualified
            }
        }
    }
}
