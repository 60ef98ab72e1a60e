import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account
import Tarvik.Profile
import Tarvik.Shell

// The home dashboard, the content of the shell's first tab, with its own navigation stack: a dark
// header (search field, greeting with the avatar, the notification bell) over a white sheet with
// the products, partner and quick-hub sections, and the top-up sheet. Each time it comes on screen
// without a loaded account it loads one; a load that shows the session cannot go on gives the
// store's session up, which signs the app out. It writes nothing.
//   stories: list of the shell's stories (kept, not shown); openStory(index): what would open one
//   productCarouselIndex, partnerCarouselIndex: int (500 at start); topUpPresented: bool
//   homeSearchQuery: string
//   readonly stack: the dashboard's navigation stack; open(destination, properties) pushes onto it
Item {
    id: home

    property var stories: []
    property alias productCarouselIndex: products.carouselIndex
    property alias partnerCarouselIndex: partner.carouselIndex
    property bool topUpPresented: false
    property alias homeSearchQuery: searchField.text
    readonly property alias stack: stack
    // Shown, and no pushed screen covers the dashboard.
    readonly property alias onScreen: rootPage.onScreen

    signal openStory(int index)

    function open(destination, properties) {
        stack.push(destination, properties ?? {})
    }

    onOnScreenChanged: if (onScreen) accountLoad.appeared()
    Component.onCompleted: if (onScreen) accountLoad.appeared()

    // The bell counts what the inbox keeps, and follows it the moment a note is read.
    NotificationInbox {
        id: inbox
    }

    HomeAccountLoad {
        id: accountLoad
        store: AccountStore
        onSignOutRequested: AccountStore.abandonSession()
    }

    NavigationStack {
        id: stack

        anchors.fill: parent

        initialItem: NavigationPage {
            id: rootPage

            navigationBarHidden: true
            background: HomeGradient {}

            Item {
                id: header

                objectName: "homeHero"
                width: parent.width
                height: 188
                clip: true

                HomeGradient {
                    anchors.fill: parent
                }

                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    anchors.leftMargin: 20
                    anchors.rightMargin: 20
                    anchors.bottomMargin: 40
                    spacing: 14

                    // The search field: it keeps what is typed and filters nothing.
                    Item {
                        objectName: "homeSearchBar"
                        Layout.fillWidth: true
                        implicitHeight: 44

                        Rectangle {
                            anchors.fill: parent
                            radius: height / 2
                            color: Theme.withOpacity(Theme.white, 0.11)
                            border.width: 1
                            border.color: Theme.withOpacity(Theme.white, 0.14)
                        }

                        RowLayout {
                            anchors.fill: parent
                            anchors.leftMargin: 14
                            anchors.rightMargin: 14
                            spacing: 10

                            SymbolImage {
                                name: "magnifyingglass"
                                size: 15
                                weight: Font.Bold
                                color: Theme.withOpacity(Theme.white, 0.72)
                            }

                            TarvikTextField {
                                id: searchField

                                objectName: "homeSearchField"
                                Layout.fillWidth: true
                                implicitHeight: 44
                                leftPadding: 0
                                rightPadding: 0
                                fillColor: "transparent"
                                outlined: false
                                placeholderText: "Поиск по приложению"
                                placeholderTextColor: Theme.withOpacity(Theme.white, 0.56)
                                font: Theme.systemFont(15, Font.DemiBold, true)
                                color: Theme.white
                                selectedTextColor: Theme.white
                                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                            }

                            SymbolButton {
                                objectName: "homeSearchClear"
                                visible: searchField.text.length > 0
                                implicitWidth: 24
                                implicitHeight: 44
                                symbol: "xmark.circle.fill"
                                text: "Очистить поиск"
                                size: 16
                                weight: Font.Bold
                                color: Theme.withOpacity(Theme.white, 0.62)
                                buttonStyle: TarvikButton.Plain
                                onClicked: searchField.clear()
                            }
                        }
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 0

                        TarvikButton {
                            id: profileLink

                            objectName: "profileLink"
                            Layout.fillWidth: true
                            Layout.maximumWidth: implicitWidth
                            buttonStyle: TarvikButton.Plain
                            text: greeting.text
                            onClicked: home.open(Destinations.profile, {})

                            contentItem: RowLayout {
                                spacing: 10

                                HomeHeaderProfileAvatar {
                                    Layout.preferredWidth: 40
                                    Layout.preferredHeight: 40
                                    fallbackLetter: HomeDashboard.avatarLetter(AccountStore.account.firstName)
                                }

                                StyledText {
                                    id: greeting

                                    objectName: "greeting"
                                    Layout.fillWidth: true
                                    text: HomeDashboard.greeting(AccountStore.account.firstName)
                                    size: 22
                                    weight: Font.Bold
                                    rounded: true
                                    tracking: -0.45
                                    color: Theme.white
                                    fontSizeMode: Text.HorizontalFit
                                    minimumPixelSize: Math.round(22 * 0.62)
                                    elide: Text.ElideRight
                                    Accessible.ignored: true
                                }
                            }
                        }

                        Item {
                            Layout.fillWidth: true
                            Layout.minimumWidth: 6
                        }

                        TarvikButton {
                            id: bell

                            objectName: "bellLink"
                            buttonStyle: TarvikButton.Plain
                            text: HomeDashboard.bellAccessibleName(inbox.unreadCount)
                            Accessible.name: text
                            onClicked: home.open(Destinations.notifications, {})

                            background: Item {
                                SoftShadow {
                                    offset: 7
                                    radius: height / 2
                                    blur: 14
                                    color: Theme.withOpacity(Theme.black, 0.16)
                                }

                                Rectangle {
                                    anchors.fill: parent
                                    radius: height / 2
                                    color: Theme.withOpacity(Theme.tarPink, 0.88)
                                }
                            }

                            contentItem: Item {
                                implicitWidth: bellRow.implicitWidth + 26
                                implicitHeight: 46

                                Row {
                                    id: bellRow

                                    anchors.centerIn: parent
                                    spacing: 7

                                    SymbolImage {
                                        objectName: "bellSymbol"
                                        anchors.verticalCenter: parent.verticalCenter
                                        name: HomeDashboard.bellSymbol(inbox.unreadCount)
                                        size: Theme.textStyleSize(Theme.Subheadline)
                                        weight: Font.Bold
                                        color: Theme.white
                                    }

                                    StyledText {
                                        objectName: "bellText"
                                        anchors.verticalCenter: parent.verticalCenter
                                        text: HomeDashboard.bellText(inbox.unreadCount)
                                        textStyle: Theme.Subheadline
                                        weight: Font.Bold
                                        color: Theme.white
                                        Accessible.ignored: true
                                    }
                                }
                            }
                        }
                    }
                }
            }

            // The white sheet: it starts 24 above the header's lower edge and runs to the bottom.
            Flickable {
                id: sheet

                objectName: "homeSheet"
                y: header.height - 24
                width: parent.width
                height: parent.height - y
                clip: true
                contentWidth: width
                contentHeight: sections.implicitHeight + 24 + 28
                flickableDirection: Flickable.VerticalFlick
                T.ScrollIndicator.vertical: TarvikScrollIndicator {}

                // Only the top strip is painted (a painted item keeps pictures of its whole size);
                // below it the sheet is a plain fill.
                RoundedCornerShape {
                    width: sheet.width
                    height: 2 * radius
                    radius: 28
                    corners: RoundedCornerShape.TopLeft | RoundedCornerShape.TopRight
                    color: Theme.white
                }

                Rectangle {
                    y: 28
                    width: sheet.width
                    height: Math.max(sheet.height, sheet.contentHeight) - y
                    color: Theme.white
                }

                VerticalScrollBounceDisabler {}

                ColumnLayout {
                    id: sections

                    x: 16
                    y: 24
                    width: sheet.width - 32
                    spacing: 22

                    HomeProductsSection {
                        id: products
                        Layout.fillWidth: true
                        active: home.onScreen
                        onTopUpRequested: home.topUpPresented = true
                        onOpen: (destination, properties) => home.open(destination, properties)
                    }

                    HomePartnerSection {
                        id: partner
                        Layout.fillWidth: true
                        active: home.onScreen
                        onOpen: (destination, properties) => home.open(destination, properties)
                    }

                    HomeQuickHubSection {
                        Layout.fillWidth: true
                        onOpen: (destination, properties) => home.open(destination, properties)
                    }
                }
            }

            // Content scrolled up under the sheet's top corners is hidden by the header's own
            // gradient, so the sheet keeps its rounded outline.
            HomeSheetCorner {
                x: 0
                y: sheet.y
                backdropWidth: header.width
                backdropHeight: header.height
            }

            HomeSheetCorner {
                x: sheet.width - width
                y: sheet.y
                mirrored: true
                backdropWidth: header.width
                backdropHeight: header.height
            }
        }
    }

    Sheet {
        id: topUpSheet

        objectName: "topUpSheet"
        presented: home.topUpPresented
        onClosed: home.topUpPresented = false
        sourceComponent: Destinations.topUpFlow
    }
}
