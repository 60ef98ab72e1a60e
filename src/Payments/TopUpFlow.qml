import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// The first step of a top-up: whose account, how much (typed or a preset), the total, and the
// way on to the payment method. Nothing is checked here; the amount rule (CheckoutAmount) is
// applied when the checkout is created. Present it as a Sheet's content:
//   Sheet { presented: root.showTopUp; onClosed: root.showTopUp = false
//           sourceComponent: Component { TopUpFlow { initialAmount: "" } } }
//   required initialAmount: string (the amount the field starts with)
NavigationStack {
    id: flow

    required property string initialAmount
    // As typed or picked; never normalised.
    property string amount: initialAmount
    property bool showMethods: false
    readonly property var presets: ["100", "250", "500", "1000"]

    readonly property string balanceText: PaymentTexts.balanceText(AccountStore.account.balance)

    initialItem: NavigationPage {
        title: "Пополнение"
        color: Theme.tarPaper
        leadingItems: [
            CloseBarButton {}
        ]

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 20
            spacing: 24

            CardSurface {
                Layout.fillWidth: true
                padding: 18

                contentItem: RowLayout {
                    spacing: 14

                    Rectangle {
                        implicitWidth: 54
                        implicitHeight: 54
                        radius: 27
                        color: Theme.withOpacity(Theme.tarPink, 0.14)

                        SymbolImage {
                            anchors.centerIn: parent
                            name: "person.crop.circle.fill"
                            size: Theme.textStyleSize(Theme.Title2)
                            color: Theme.tarPink
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 6

                        StyledText {
                            objectName: "accountNumberText"
                            Layout.fillWidth: true
                            text: "Лицевой счёт № " + AccountStore.account.accountNumber
                            textStyle: Theme.Headline
                            wrapMode: Text.Wrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                        }

                        StyledText {
                            objectName: "balanceText"
                            Layout.fillWidth: true
                            text: "Баланс " + flow.balanceText
                            textStyle: Theme.Subheadline
                            color: Theme.secondaryLabel
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 9

                StyledText {
                    text: "Сумма пополнения"
                    textStyle: Theme.Caption
                    color: Theme.secondaryLabel
                    Accessible.ignored: true
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 5

                    TarvikTextField {
                        id: amountField

                        objectName: "amountField"
                        Accessible.name: "Сумма пополнения"
                        Layout.fillWidth: true
                        // The row's room, whatever the amount's length: a long one scrolls inside.
                        Layout.preferredWidth: 0
                        Layout.alignment: Qt.AlignBaseline
                        text: flow.amount
                        placeholderText: "0"
                        inputMethodHints: Qt.ImhDigitsOnly
                        font: Theme.systemFont(40, Font.DemiBold, true)
                        outlined: false
                        fillColor: "transparent"
                        leftPadding: 0
                        rightPadding: 0
                        topPadding: 0
                        bottomPadding: 0
                        onTextEdited: flow.amount = text
                    }

                    StyledText {
                        Layout.alignment: Qt.AlignBaseline
                        text: "₽"
                        textStyle: Theme.Title
                        weight: Font.Bold
                    }
                }

                Rectangle {
                    Layout.fillWidth: true
                    implicitHeight: 1
                    color: Theme.separator
                }

                StyledText {
                    Layout.fillWidth: true
                    text: "Сумма будет зачислена на реальный лицевой счёт"
                    textStyle: Theme.Footnote
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                }
            }

            RowLayout {
                spacing: 8

                Repeater {
                    model: flow.presets

                    TarvikButton {
                        id: preset

                        required property string modelData
                        readonly property bool selected: flow.amount === preset.modelData // qmllint disable unqualified

                        objectName: "preset" + preset.modelData
                        text: preset.modelData + " ₽"
                        // One amount of several: the one in the field is the checked one.
                        checkable: true
                        autoExclusive: true
                        checked: preset.selected
                        buttonStyle: TarvikButton.Glass
                        tint: preset.selected ? Theme.tarInk : Theme.secondaryLabel
                        onClicked: flow.amount = preset.modelData // qmllint disable unqualified
                    }
                }
            }

            Item {
                Layout.fillHeight: true
            }

            RowLayout {
                Layout.fillWidth: true

                StyledText {
                    text: "К оплате"
                    color: Theme.secondaryLabel
                }

                // One line in the room the row leaves: a long amount shrinks, then loses its
                // middle, and "₽" stays.
                StyledText {
                    objectName: "totalText"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 0
                    horizontalAlignment: Text.AlignRight
                    text: (flow.amount.length > 0 ? flow.amount : "0") + " ₽"
                    weight: Font.Bold
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Math.round(font.pixelSize * 0.72)
                    elide: Text.ElideMiddle
                }
            }

            PrimaryGlassButton {
                objectName: "chooseMethodButton"
                title: "Выбрать способ оплаты"
                icon: "chevron.right"
                onClicked: flow.showMethods = true
            }

            StyledText {
                Layout.fillWidth: true
                text: "Продолжая, вы соглашаетесь с условиями оказания услуг."
                textStyle: Theme.Caption2
                color: Theme.secondaryLabel
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
            }
        }
    }

    Sheet {
        id: methodsSheet

        objectName: "methodsSheet"
        presented: flow.showMethods
        onClosed: flow.showMethods = false
        sourceComponent: Component {
            PaymentMethodsView {
                amount: flow.amount // qmllint disable unqualified
                isSubscriptionPayment: false
            }
        }
    }
}
