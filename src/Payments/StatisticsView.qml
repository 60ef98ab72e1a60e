import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// "Статистика": the expense of the chosen period and the total of all top-ups, where the figures
// come from, and every operation of the account. It reads the account the store has published
// and redraws when a new one comes; it loads nothing. Push it onto the presenter's
// NavigationStack. No inputs.
//   period: StatisticsTexts.Month, Quarter or Year (Month at first)
//   readonly operations: the StatisticsOperationModel of the list
NavigationPage {
    id: view

    property int period: StatisticsTexts.Month
    readonly property alias operations: operationModel

    title: "Статистика"
    color: Theme.tarPaper

    StatisticsOperationModel {
        id: operationModel
        account: AccountStore.account
    }

    // The list scrolls the whole screen: the summary blocks are its header, so that only the
    // operation rows on screen are built.
    ListView {
        id: list

        objectName: "statisticsList"
        anchors.fill: parent
        clip: true
        model: operationModel
        boundsBehavior: Flickable.StopAtBounds
        T.ScrollIndicator.vertical: TarvikScrollIndicator {}

        header: ColumnLayout {
            x: 20
            width: ListView.view.width - 40
            spacing: 18

            Item {
                implicitHeight: 2
            }

            SegmentedPicker {
                objectName: "periodPicker"
                Layout.fillWidth: true
                label: "Период"
                model: StatisticsTexts.periodTitles()
                currentIndex: view.period // qmllint disable unqualified
                onActivated: index => view.period = index
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 12

                StatisticsMetricCard {
                    objectName: "expenseCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1
                    title: "Расходы"
                    value: StatisticsTexts.expenseValue(view.period, AccountStore.account.monthlyCharges) // qmllint disable unqualified
                    icon: "arrow.up.right"
                    tint: Theme.tarOrange
                }

                StatisticsMetricCard {
                    objectName: "topUpCard"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1
                    title: "Пополнения"
                    value: StatisticsTexts.topUpValue(AccountStore.account.paymentOperations)
                    icon: "arrow.down.left"
                    tint: Theme.tarPink
                }
            }

            CardSurface {
                Layout.fillWidth: true
                padding: 18

                contentItem: ColumnLayout {
                    spacing: 18

                    RowLayout {
                        spacing: 8

                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 3

                            StyledText {
                                Layout.fillWidth: true
                                text: "Движение средств"
                                textStyle: Theme.Headline
                                wrapMode: Text.Wrap
                            }

                            StyledText {
                                Layout.fillWidth: true
                                text: StatisticsTexts.sourceLine()
                                textStyle: Theme.Caption
                                color: Theme.secondaryLabel
                                wrapMode: Text.Wrap
                            }
                        }

                        StyledText {
                            objectName: "periodLabel"
                            Layout.alignment: Qt.AlignVCenter
                            text: StatisticsTexts.periodTitle(view.period) // qmllint disable unqualified
                            textStyle: Theme.Caption
                            weight: Font.Bold
                            color: Theme.tarPink
                        }
                    }

                    RowLayout {
                        Layout.topMargin: 6
                        Layout.bottomMargin: 6
                        spacing: 12

                        SymbolImage {
                            name: "checkmark.shield.fill"
                            size: Theme.textStyleSize(Theme.Title2)
                            color: Theme.tarPink
                        }

                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 3

                            StyledText {
                                Layout.fillWidth: true
                                text: "Синхронизировано"
                                textStyle: Theme.Subheadline
                                weight: Font.DemiBold
                                wrapMode: Text.Wrap
                            }

                            StyledText {
                                Layout.fillWidth: true
                                text: "Показаны сведения текущего лицевого счёта"
                                textStyle: Theme.Caption
                                color: Theme.secondaryLabel
                                wrapMode: Text.Wrap
                            }
                        }
                    }
                }
            }

            StyledText {
                Layout.topMargin: 4
                Layout.bottomMargin: 0
                text: "Операции"
                textStyle: Theme.Title2
                weight: Font.Bold
                Accessible.role: Accessible.Heading
            }

            Item {
                implicitHeight: 0
            }
        }

        // The operations card: one white surface behind every row, from the header's end to the
        // footer's start (both are in the list's content coordinates, as the card is).
        CardSurface {
            objectName: "operationsCard"
            parent: list.contentItem
            x: 20
            y: list.headerItem ? list.headerItem.y + list.headerItem.height : 0
            z: -1
            width: list.width - 40
            height: list.footerItem ? list.footerItem.y - y : 0
        }

        delegate: Item {
            id: entry

            required property string icon
            required property string title
            required property string date
            required property string amount
            required property bool positive
            required property bool showsDivider

            objectName: "operationEntry"
            x: 20
            width: ListView.view.width - 40
            implicitHeight: operationRow.implicitHeight

            StatisticsOperationRow {
                id: operationRow

                width: parent.width
                icon: entry.icon
                title: entry.title
                date: entry.date
                amount: entry.amount
                positive: entry.positive
            }

            Divider {
                objectName: "operationDivider"
                anchors.bottom: parent.bottom
                indent: 76
                visible: entry.showsDivider
            }
        }

        footer: Item {
            width: ListView.view.width
            height: 20
        }
    }
}
