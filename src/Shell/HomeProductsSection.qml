import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Shell

// "Твои продукты": the carousel that alternates the balance card with the add-address card (a
// turn every 5.4 s while `active`), its dots, and the tariff card.
//   carouselIndex: int (500 at start); active: bool
//   topUpRequested(): the balance card's "Оплатить"; open(destination, properties): push a screen
ColumnLayout {
    id: section

    property alias carouselIndex: carousel.currentIndex
    property bool active: true
    readonly property alias carousel: carousel

    signal topUpRequested()
    signal open(var destination, var properties)

    spacing: 13

    StyledText {
        text: "Твои продукты"
        size: 23
        weight: Font.Bold
        rounded: true
        tracking: -0.35
        color: Theme.tarInk
        Accessible.role: Accessible.Heading
    }

    HomeCarousel {
        id: carousel

        objectName: "productsCarousel"
        Layout.fillWidth: true
        Layout.preferredHeight: 154
        interval: 5400
        running: section.active
        cornerRadius: 24

        evenPage: Component {
            HomeProductCard {
                objectName: "balanceCard"
                title: "Баланс"
                subtitle: HomeDashboard.balanceText(AccountStore.account.balance)
                footnote: HomeDashboard.daysFootnote(AccountStore.account.daysToBlock)
                tint: Theme.systemGreen
                buttonTitle: "Оплатить"
                progressValue: HomeDashboard.progressValue(AccountStore.account.daysToBlock, AccountStore.isFinanciallyBlocked)
                actionable: true
                onClicked: section.topUpRequested() // qmllint disable unqualified
            }
        }

        oddPage: Component {
            TarvikButton {
                objectName: "addAddressLink"
                buttonStyle: TarvikButton.Plain
                text: "Добавить новый адрес"
                contentItem: HomeAddAddressCard {}
                onClicked: section.open(Destinations.addAccount, {}) // qmllint disable unqualified
            }
        }
    }

    HomeCarouselDots {
        Layout.fillWidth: true
        Layout.topMargin: -3
        index: carousel.currentIndex
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 12

        TarvikButton {
            objectName: "tariffLink"
            Layout.fillWidth: true
            buttonStyle: TarvikButton.Plain
            text: "Что входит в тариф"
            contentItem: HomeTariffIncludedCard {}
            onClicked: section.open(Destinations.tariffManagement, {})
        }
    }
}
