import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Shell

// The generic card of one service: icon tile, name, description, status and price, and one
// button. For the partner TV service (ServiceRouter.partnerTv) the status and the button follow
// whether its account exists, the button opens the partner TV account sheet, and closing that
// sheet reloads the account; for any other service the button confirms with the shared
// confirmation sheet. Push it onto a NavigationStack.
//   title: string (the service's name); required subtitle: string; required icon: symbol name;
//   serviceId: string (the service's id, if it has one); actionPresented: bool
DetailPage {
    id: view

    required property string icon
    required property string subtitle
    property string serviceId
    property bool actionPresented: false
    readonly property bool partnerTv: serviceId === ServiceRouter.partnerTv
    readonly property var detail: HomeDashboard.serviceDetail(serviceId, AccountStore.account.televisionConnected)

    onActionPresentedChanged: {
        // The sheet may have created the partner TV account: reload. The outcome matters to no
        // one here, so it goes unheard (a refresh of its own, not reported to other screens).
        if (!actionPresented && partnerTv)
            AccountStore.requestRefresh()
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 16

            Rectangle {
                implicitWidth: 64
                implicitHeight: 64
                radius: 18
                color: Theme.withOpacity(Theme.tarPink, 0.12)

                SymbolImage {
                    anchors.centerIn: parent
                    name: view.icon
                    size: Theme.textStyleSize(Theme.Title2)
                    weight: Font.Bold
                    color: Theme.tarPink
                }
            }

            StyledText {
                Layout.fillWidth: true
                text: view.title
                textStyle: Theme.Title
                weight: Font.Bold
                wrapMode: Text.Wrap
                maximumLineCount: 4
                elide: Text.ElideRight
            }

            StyledText {
                Layout.fillWidth: true
                text: view.subtitle
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
                maximumLineCount: 6
                elide: Text.ElideRight
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 0.5
                color: Theme.separator
            }

            ValueLine {
                objectName: "statusLine"
                title: "Статус"
                value: view.detail.status
            }

            ValueLine {
                objectName: "priceLine"
                title: "Стоимость"
                value: view.detail.price
            }
        }
    }

    PrimaryGlassButton {
        objectName: "serviceActionButton"
        Layout.fillWidth: true
        title: view.detail.buttonTitle
        icon: view.detail.buttonIcon
        onClicked: view.actionPresented = true
    }

    Sheet {
        objectName: "serviceActionSheet"
        presented: view.actionPresented
        onClosed: view.actionPresented = false
        sourceComponent: view.partnerTv ? Qt.createComponent(Destinations.twentyFourTVAccountSheet) : confirmation
    }

    Component {
        id: confirmation

        DemoActionSheet {
            title: "Управление услугой"
            message: "Здесь появятся настройки подключения и отключения услуги."
        }
    }
}
