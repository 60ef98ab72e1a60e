import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// The payments tab, with its own navigation stack: a dark header with the personal-account
// number over a white panel with the balance card, the service tiles, the autopay banner and the
// five latest operations. It only reads the account the store has published; it loads nothing.
//   showTrustPayment, showAutopay: bool (the sheets; false at first, cleared when they close)
//   readonly history: the PaymentHistoryModel of the rows shown
NavigationStack {
    id: view

    property bool showTrustPayment: false
    property bool showAutopay: false
    readonly property alias history: historyModel

    // The header's backdrop, also drawn into the panel's top corners over whatever scrolls there.
    component HeroGradient: ShapePath {
        id: heroPath

        required property real originX
        required property real originY
        required property real backdropWidth
        required property real backdropHeight

        strokeWidth: -1
        fillGradient: LinearGradient {
            x1: -heroPath.originX
            y1: -heroPath.originY
            x2: heroPath.backdropWidth - heroPath.originX
            y2: heroPath.backdropHeight - heroPath.originY
            GradientStop { position: 0; color: "black" }
            GradientStop { position: 1; color: Qt.rgba(0.08, 0.08, 0.10, 1) }
        }
    }

    PaymentHistoryModel {
        id: historyModel
        operations: AccountStore.account.paymentOperations
    }

    initialItem: NavigationPage {
        id: rootPage

        navigationBarHidden: true
        color: Theme.black

        Item {
            id: hero

            objectName: "paymentHero"
            width: parent.width
            height: heroColumn.implicitHeight + 54 + 44

            Shape {
                anchors.fill: parent

                HeroGradient {
                    originX: 0
                    originY: 0
                    backdropWidth: hero.width
                    backdropHeight: hero.height
                    startX: 0
                    startY: 0
                    PathLine { x: hero.width; y: 0 }
                    PathLine { x: hero.width; y: hero.height }
                    PathLine { x: 0; y: hero.height }
                    PathLine { x: 0; y: 0 }
                }
            }

            ColumnLayout {
                id: heroColumn

                x: 20
                y: 54
                width: hero.width - 40
                spacing: 5

                StyledText {
                    Layout.fillWidth: true
                    text: "Оплата"
                    size: 34
                    weight: Font.Black
                    rounded: true
                    tracking: -0.8
                    color: Theme.white
                    Accessible.role: Accessible.Heading
                }

                StyledText {
                    objectName: "accountNumberLine"
                    Layout.fillWidth: true
                    text: "Лицевой счёт " + AccountStore.account.shownAccountNumber
                    textStyle: Theme.Subheadline
                    weight: Font.Medium
                    color: Theme.withOpacity(Theme.white, 0.58)
                    elide: Text.ElideRight
                    maximumLineCount: 1
                }
            }
        }

        // The white panel overlaps the header's lower 22 points and runs to the bottom.
        Flickable {
            id: panel

            objectName: "paymentPanel"
            y: hero.height - 22
            width: parent.width
            height: parent.height - y
            clip: true
            contentWidth: width
            contentHeight: Math.max(height, panelColumn.implicitHeight + 22 + 26)
            flickableDirection: Flickable.VerticalFlick
            T.ScrollIndicator.vertical: TarvikScrollIndicator {}

            RoundedCornerShape {
                width: panel.width
                height: panel.contentHeight
                radius: 28
                corners: RoundedCornerShape.TopLeft | RoundedCornerShape.TopRight
                color: Theme.white
            }

            VerticalScrollBounceDisabler {}

            ColumnLayout {
                id: panelColumn

                x: 16
                y: 22
                width: panel.width - 32
                spacing: 18

                PaymentSummaryCard {
                    objectName: "summaryCard"
                    Layout.fillWidth: true
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 12

                    StyledText {
                        text: "Услуги"
                        size: 23
                        weight: Font.Bold
                        rounded: true
                        tracking: -0.35
                        color: Theme.tarInk
                        Accessible.role: Accessible.Heading
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 10

                        Repeater {
                            model: [
                                { icon: "doc.text.fill", title: "Заявления", subtitle: "Платежи и перерасчёт", tint: Theme.tarPink, action: "statements" },
                                { icon: "clock.fill", title: "Доверительный платеж", subtitle: "На 5 дней", tint: Theme.tarOrange, action: "trustPayment" },
                                { icon: "chart.pie.fill", title: "Расходы", subtitle: "История и списания", tint: Theme.systemBlue, action: "statistics" }
                            ]

                            TarvikButton {
                                id: tile

                                required property var modelData

                                objectName: tile.modelData.action + "Tile"
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                buttonStyle: TarvikButton.Plain
                                text: tile.modelData.title
                                contentItem: HomeMiniPartnerCard {
                                    icon: tile.modelData.icon
                                    title: tile.modelData.title
                                    subtitle: tile.modelData.subtitle
                                    tint: tile.modelData.tint
                                }
                                onClicked: {
                                    if (tile.modelData.action === "statements")
                                        view.push(statementsPage)
                                    else if (tile.modelData.action === "trustPayment")
                                        view.showTrustPayment = true
                                    else
                                        view.push(statisticsPage)
                                }
                            }
                        }
                    }
                }

                TarvikButton {
                    objectName: "autopayBanner"
                    Layout.fillWidth: true
                    buttonStyle: TarvikButton.Plain
                    text: "Подключить автоплатёж"
                    contentItem: AutopayPromoBanner {}
                    onClicked: view.showAutopay = true
                }

                RowLayout {
                    Layout.fillWidth: true

                    StyledText {
                        Layout.alignment: Qt.AlignBaseline
                        text: "История"
                        size: 23
                        weight: Font.Bold
                        rounded: true
                        tracking: -0.35
                        color: Theme.tarInk
                        Accessible.role: Accessible.Heading
                    }

                    Item {
                        Layout.fillWidth: true
                    }

                    TarvikButton {
                        id: allOperations

                        objectName: "allOperationsLink"
                        Layout.alignment: Qt.AlignBaseline
                        buttonStyle: TarvikButton.Plain
                        text: "Все операции"
                        onClicked: view.push(statisticsPage)

                        contentItem: StyledText {
                            text: allOperations.text
                            textStyle: Theme.Subheadline
                            weight: Font.Bold
                            color: Theme.tarPink
                            opacity: allOperations.down ? 0.45 : 1
                            Accessible.ignored: true
                        }
                    }
                }

                Rectangle {
                    objectName: "historyCard"
                    Layout.fillWidth: true
                    implicitHeight: historyColumn.implicitHeight
                    radius: 22
                    color: Theme.withOpacity(Theme.tarPaper, 0.72)

                    ColumnLayout {
                        id: historyColumn

                        width: parent.width
                        spacing: 0

                        Repeater {
                            model: historyModel

                            ColumnLayout {
                                id: historyRow

                                required property paymentOperation operation
                                required property bool showsDivider

                                objectName: "historyRow"
                                Layout.fillWidth: true
                                spacing: 0

                                TransactionRow {
                                    Layout.fillWidth: true
                                    operation: historyRow.operation
                                }

                                Rectangle {
                                    objectName: "historyDivider"
                                    Layout.fillWidth: true
                                    Layout.leftMargin: 66
                                    implicitHeight: 1
                                    visible: historyRow.showsDivider
                                    color: Theme.separator
                                }
                            }
                        }

                        ListRow {
                            objectName: "historyEmptyState"
                            Layout.fillWidth: true
                            visible: historyModel.count === 0
                            padding: 16
                            spacing: 12
                            title: "Платежей пока нет"
                            titleLabel.textStyle: Theme.Subheadline
                            titleLabel.weight: Font.DemiBold
                            titleLabel.wrapMode: Text.Wrap
                            subtitle: "История появится после первой операции"

                            leading: SymbolTile {
                                side: 40
                                radius: 20
                                symbol: "rublesign"
                                fillOpacity: 0.1
                                symbolWeight: Font.Bold
                            }
                        }
                    }
                }
            }
        }

        // Content scrolled up under the panel's rounded top corners is hidden by the header's
        // gradient, so the panel keeps its outline.
        Repeater {
            model: [false, true]

            Shape {
                id: corner

                required property bool modelData

                x: corner.modelData ? panel.width - 28 : 0 // qmllint disable unqualified
                y: panel.y // qmllint disable unqualified
                width: 28
                height: 28

                HeroGradient {
                    originX: corner.x
                    originY: corner.y
                    backdropWidth: hero.width // qmllint disable unqualified
                    backdropHeight: hero.height // qmllint disable unqualified
                    // The outer corner point, along the top edge, round the quarter circle, back.
                    startX: corner.modelData ? 28 : 0
                    startY: 0
                    PathLine { x: corner.modelData ? 0 : 28; y: 0 }
                    PathArc {
                        x: corner.modelData ? 28 : 0
                        y: 28
                        radiusX: 28
                        radiusY: 28
                        direction: corner.modelData ? PathArc.Clockwise : PathArc.Counterclockwise
                    }
                    PathLine { x: corner.modelData ? 28 : 0; y: 0 }
                }
            }
        }
    }

    Component {
        id: statementsPage
        PaymentStatementsView {}
    }

    Component {
        id: statisticsPage
        StatisticsView {}
    }

    Sheet {
        objectName: "trustPaymentSheet"
        presented: view.showTrustPayment
        onClosed: view.showTrustPayment = false
        sourceComponent: Component {
            TrustPaymentView {}
        }
    }

    Sheet {
        objectName: "autopaySheet"
        presented: view.showAutopay
        onClosed: view.showAutopay = false
        sourceComponent: Component {
            AutopayView {}
        }
    }
}
