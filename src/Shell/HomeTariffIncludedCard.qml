import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Shell

// What the tariff includes: the heading with the account's tariff name and a chevron, then three
// chips (speed, partner TV, round-the-clock support). Follows the store's account. It draws
// only: make it the label of a link.
Item {
    id: card

    readonly property var chips: HomeDashboard.tariffChips(AccountStore.account.tariffSpeed, AccountStore.account.televisionConnected)

    implicitWidth: 361
    implicitHeight: Math.max(132, column.implicitHeight + 36)

    Rectangle {
        anchors.fill: parent
        radius: 24
        color: Theme.withOpacity(Theme.tarPaper, 0.78)
    }

    ColumnLayout {
        id: column

        x: 18
        width: parent.width - 36
        anchors.verticalCenter: parent.verticalCenter
        spacing: 14

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2

                StyledText {
                    text: "Что входит в тариф"
                    size: 18
                    weight: Font.Black
                    rounded: true
                    color: Theme.tarInk
                }

                StyledText {
                    objectName: "tariffName"
                    Layout.fillWidth: true
                    text: AccountStore.account.tariffName
                    textStyle: Theme.Caption
                    weight: Font.Medium
                    color: Theme.withOpacity(Theme.tarInk, 0.52)
                    elide: Text.ElideRight
                }
            }

            RowChevron {
                color: Theme.withOpacity(Theme.tarInk, 0.35)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Repeater {
                model: card.chips

                HomeTariffChip {
                    required property var modelData
                    objectName: "tariffChip"
                    icon: modelData.icon
                    title: modelData.title
                    tint: Theme[modelData.tint]
                }
            }

            Item {
                Layout.fillWidth: true
            }
        }
    }
}
