pragma Singleton

import QtQuick
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments
import Tarvik.Services
import Tarvik.SpeedTest
import Tarvik.Requests
import Tarvik.Shell

// Every screen the home dashboard and the services hub open, in one place. A section that is not
// built yet opens a placeholder page titled with its name; its real screen replaces the entry here.
//   push with: page.push(Destinations.shop) or page.push(Destinations.homeServiceDetail, { title, subtitle, icon })
//   sheets (topUpFlow, twentyFourTVAccountSheet) are a Sheet's sourceComponent
QtObject {
    // The profile (its sign-out signs the app out once the store has signed out) and the inbox.
    readonly property Component profile: Qt.createComponent("qrc:/qt/qml/Tarvik/Profile/ProfileView.qml")
    readonly property Component notifications: Qt.createComponent("qrc:/qt/qml/Tarvik/Profile/NotificationsView.qml")
    readonly property Component tariffManagement: Component { TariffManagementView {} }
    readonly property Component tariffSelection: Component { TariffSelectionView {} }
    readonly property Component televisionService: Component { TelevisionServiceView {} }
    readonly property Component mobileService: Component { MobileServiceView {} }
    readonly property Component smartIntercom: Component { SmartIntercomView { shopDestination: Destinations.shop } }
    // Service request forms, by address like the two home screens below.
    readonly property Component staticIpOrder: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/StaticIPOrderView.qml")
    readonly property Component voluntaryBlocking: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/VoluntaryBlockingView.qml")
    readonly property Component referralFriend: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/ReferralFriendView.qml")
    readonly property Component relocationRequest: Qt.createComponent("qrc:/qt/qml/Tarvik/Requests/RelocationRequestView.qml")
    // The shop's screens load with it, by name.
    readonly property Component shop: Qt.createComponent("qrc:/qt/qml/Tarvik/Shop/TarvikShopView.qml")
    readonly property Component speedTest: Component { InAppSpeedTestView {} }
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
    readonly property Component twentyFourTVAccountSheet: Component { TwentyFourTVAccountSheet {} }
}
