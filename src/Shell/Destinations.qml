pragma Singleton

import QtQuick
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Shell

// Every screen the home dashboard and the services hub open, in one place, by address: a screen is
// compiled when it is first pushed, not when this table is first used.
//   push with: page.push(Destinations.shop) or page.push(Destinations.homeServiceDetail, { title, subtitle, icon })
//   sheets (topUpFlow, twentyFourTVAccountSheet) are a Sheet's sourceComponent
//   links(entry): what a screen is pushed with so that its links open other sections' screens
//   (a feature screen never names another module's screen itself)
QtObject {

    // The profile (its sign-out signs the app out once the store has signed out) and the inbox.
    readonly property string profile: "qrc:/qt/qml/Tarvik/Profile/ProfileView.qml"
    readonly property string notifications: "qrc:/qt/qml/Tarvik/Profile/NotificationsView.qml"
    readonly property string tariffManagement: "qrc:/qt/qml/Tarvik/Services/TariffManagementView.qml"
    readonly property string tariffSelection: "qrc:/qt/qml/Tarvik/Services/TariffSelectionView.qml"
    readonly property string televisionService: "qrc:/qt/qml/Tarvik/Services/TelevisionServiceView.qml"
    readonly property string mobileService: "qrc:/qt/qml/Tarvik/Services/MobileServiceView.qml"
    // Its extra-key card opens the shop (links).
    readonly property string smartIntercom: "qrc:/qt/qml/Tarvik/Requests/SmartIntercomView.qml"
    // Service request forms.
    readonly property string staticIpOrder: "qrc:/qt/qml/Tarvik/Requests/StaticIPOrderView.qml"
    readonly property string voluntaryBlocking: "qrc:/qt/qml/Tarvik/Requests/VoluntaryBlockingView.qml"
    readonly property string referralFriend: "qrc:/qt/qml/Tarvik/Requests/ReferralFriendView.qml"
    readonly property string relocationRequest: "qrc:/qt/qml/Tarvik/Requests/RelocationRequestView.qml"
    // The shop's screens load with it.
    readonly property string shop: "qrc:/qt/qml/Tarvik/Shop/TarvikShopView.qml"
    readonly property string speedTest: "qrc:/qt/qml/Tarvik/SpeedTest/InAppSpeedTestView.qml"
    readonly property string statistics: "qrc:/qt/qml/Tarvik/Payments/StatisticsView.qml"
    readonly property string support: "qrc:/qt/qml/Tarvik/Support/SupportView.qml"

    // Tabs of the shell (a component or a screen's address); each tab is a stack of its own. The
    // support tab shares the shell's selected tab through `selectedTab`, which its screen sets to
    // go home.
    readonly property string paymentsTab: "qrc:/qt/qml/Tarvik/Payments/PaymentView.qml"
    readonly property Component supportTab: Component {
        NavigationStack {
            id: supportStack
            property int selectedTab: ShellTab.Support
            Component.onCompleted: push(Destinations.support, { tabHost: supportStack }, T.StackView.Immediate)
        }
    }

    // Home dashboard.
    readonly property string addAccount: "qrc:/qt/qml/Tarvik/Account/AddAccountView.qml"
    readonly property string allHomeServices: "qrc:/qt/qml/Tarvik/Shell/AllHomeServicesView.qml"
    // Also the services hub's card for a row without a screen of its own (ServiceRouter).
    readonly property string homeServiceDetail: "qrc:/qt/qml/Tarvik/Shell/HomeServiceDetailView.qml"
    // The payments module, web view included, is loaded when a top-up first opens, not with the
    // dashboard.
    readonly property Component topUpFlow: Component {
        Loader {
            Component.onCompleted: setSource("qrc:/qt/qml/Tarvik/Payments/TopUpFlow.qml", { initialAmount: "" })
        }
    }
    // A sheet's content: made into a component where the sheet is (Qt.createComponent).
    readonly property string twentyFourTVAccountSheet: "qrc:/qt/qml/Tarvik/Services/TwentyFourTVAccountSheet.qml"

    function links(entry) {
        switch (entry) {
        case "smartIntercom":
            return { shopDestination: shop }
        default:
            return {}
        }
    }
}
