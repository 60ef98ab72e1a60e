pragma Singleton

import QtQuick
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments
import Tarvik.Shell

// Every screen the home dashboard and the services hub open, in one place. A section that is not
// built yet opens a placeholder page titled with its name; its real screen replaces the entry here.
//   push with: page.push(Destinations.shop) or page.push(Destinations.homeServiceDetail, { title, subtitle, icon })
//   sheets (topUpFlow, twentyFourTVAccountSheet) are a Sheet's sourceComponent
QtObject {
    // The profile stands in with a working sign-out: it awaits the store's sign-out, then signs the app out.
    readonly property Component profile: Component {
        PlaceholderView {
            id: profilePage

            property bool signingOut: false

            title: "Профиль"
            icon: "person.crop.circle.fill"

            StoredPreference {
                id: signedIn
                key: "tarvikSignedIn"
            }
            Connections {
                target: AccountStore
                enabled: profilePage.signingOut
                function onSignOutFinished() {
                    profilePage.signingOut = false
                    signedIn.value = false
                }
            }
            PrimaryGlassButton {
                objectName: "signOutButton"
                title: "Выйти из аккаунта"
                icon: "rectangle.portrait.and.arrow.right"
                enabled: !profilePage.signingOut
                onClicked: {
                    profilePage.signingOut = true
                    AccountStore.signOut()
                }
            }
        }
    }

    readonly property Component notifications: Component { PlaceholderView { title: "Уведомления"; icon: "bell.fill" } }
    readonly property Component tariffManagement: Component { PlaceholderView { title: "Мой тариф"; icon: "wifi" } }
    readonly property Component tariffSelection: Component { PlaceholderView { title: "Тарифы"; icon: "speedometer" } }
    readonly property Component televisionService: Component { PlaceholderView { title: "Телевидение"; icon: "play.tv.fill" } }
    readonly property Component mobileService: Component { PlaceholderView { title: "Мобильная связь"; icon: "simcard.2.fill" } }
    readonly property Component smartIntercom: Component { PlaceholderView { title: "Умный домофон"; icon: "door.left.hand.open" } }
    readonly property Component staticIpOrder: Component { PlaceholderView { title: "Статические IP-адреса"; icon: "network" } }
    readonly property Component voluntaryBlocking: Component { PlaceholderView { title: "Добровольная блокировка"; icon: "pause.circle" } }
    readonly property Component referralFriend: Component { PlaceholderView { title: "Приведи друга"; icon: "gift" } }
    readonly property Component relocationRequest: Component { PlaceholderView { title: "Переезд"; icon: "house.fill" } }
    readonly property Component shop: Component { PlaceholderView { title: "TarvikShop"; icon: "bag.fill" } }
    readonly property Component speedTest: Component { PlaceholderView { title: "Speedtest"; icon: "speedometer" } }
    readonly property Component statistics: Component { StatisticsView {} }
    // The support screen loads when it is first opened, not with the dashboard.
    readonly property string support: "qrc:/qt/qml/Tarvik/Support/SupportView.qml"

    // Tabs of the shell; each tab is a stack of its own. The support tab shares the shell's
    // selected tab through `selectedTab`, which its screen sets to go home.
    readonly property Component paymentsTab: Component { PaymentView {} }
    readonly property Component supportTab: Component {
        NavigationStack {
            id: supportStack
            property int selectedTab: 3
            Component.onCompleted: push(Destinations.support, { tabHost: supportStack }, T.StackView.Immediate)
        }
    }

    // Home dashboard.
    readonly property Component addAccount: Component { AddAccountView {} }
    // These two open destinations themselves: loaded by name, so that this table and they do not
    // need each other to be compiled first.
    readonly property Component allHomeServices: Qt.createComponent("AllHomeServicesView.qml")
    // Also the services hub's card for a title without a screen of its own.
    readonly property Component homeServiceDetail: Qt.createComponent("HomeServiceDetailView.qml")
    // The payments module, web view included, is loaded when a top-up first opens, not with the
    // dashboard.
    readonly property Component topUpFlow: Component {
        Loader {
            Component.onCompleted: setSource("qrc:/qt/qml/Tarvik/Payments/TopUpFlow.qml", { initialAmount: "" })
        }
    }
    readonly property Component twentyFourTVAccountSheet: Component {
        NavigationStack {
            initialItem: PlaceholderView {
                title: "Аккаунт 24ТВ"
                icon: "person.badge.plus"
                leadingItems: [
                    BarButton {
                        text: "Закрыть"
                        onClicked: Presentation.dismiss()
                    }
                ]
            }
        }
    }
}
