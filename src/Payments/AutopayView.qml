import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// The autopay offer: the header picture under a white card with the tariff, the monthly amount,
// the day of the month (1 to 28) and the account, and "ПОДКЛЮЧИТЬ", which only confirms in an
// alert (and waits while the day is empty); nothing is sent or kept. Present it as a Sheet's content:
// Sheet { … sourceComponent: Component { AutopayView {} } }. No inputs.
//   paymentDay: string ("1" at first; every change is kept a day from 1 to 28, or empty)
//   showDone: bool (the confirmation alert is up)
NavigationStack {
    id: view

    property string paymentDay: "1"
    property bool showDone: false
    readonly property string amount: AutopayRules.subscriptionAmount(AccountStore.account.tariffPrice,
                                                                      AccountStore.account.monthlyCharges)

    onPaymentDayChanged: {
        const day = AutopayRules.normalizedPaymentDay(paymentDay)
        if (day !== paymentDay)
            paymentDay = day
    }

    initialItem: NavigationPage {
        id: page

        // The day being edited comes into view with "ПОДКЛЮЧИТЬ".
        FocusScroller.mainControl: connectButton

        // No bar shows it: it names the sheet's dialog for a screen reader.
        title: "Подключить автоплатёж"
        navigationBarHidden: true
        color: Theme.tarPaper

        Flickable {
            id: scroll

            objectName: "autopayScroll"
            anchors.fill: parent
            contentWidth: width
            contentHeight: column.implicitHeight
            flickableDirection: Flickable.VerticalFlick
            boundsBehavior: Flickable.StopAtBounds
            T.ScrollIndicator.vertical: TarvikScrollIndicator {}

            ColumnLayout {
                id: column

                width: scroll.width
                spacing: 0

                Rectangle {
                    Layout.fillWidth: true
                    implicitHeight: 58
                    color: Theme.white
                }

                Item {
                    Layout.fillWidth: true
                    implicitHeight: 230
                    clip: true

                    AssetImage {
                        anchors.fill: parent
                        name: "AutopayHeroBackground"
                        fillMode: AssetImage.Fill
                    }
                }

                // The card rides 34 points up over the picture's lower edge.
                Item {
                    objectName: "autopayCard"
                    Layout.fillWidth: true
                    Layout.topMargin: -34
                    implicitHeight: Math.max(430, cardColumn.implicitHeight + 24 + 22)

                    RoundedCornerShape {
                        anchors.fill: parent
                        radius: 38
                        corners: RoundedCornerShape.AllCorners
                        color: Theme.white
                    }

                    ColumnLayout {
                        id: cardColumn

                        x: 22
                        y: 24
                        width: parent.width - 44
                        spacing: 14

                        StyledText {
                            Layout.fillWidth: true
                            text: "Подключить\nавтоплатёж"
                            size: 34
                            weight: Font.Black
                            rounded: true
                            tracking: -0.8
                            color: Theme.tarInk
                            Accessible.role: Accessible.Heading
                            // Read once, as the dialog's name, in a sheet.
                            Accessible.ignored: page.titleNamesDialog
                        }

                        StyledText {
                            Layout.fillWidth: true
                            text: "Каждый месяц пополняем лицевой счёт на сумму абонентской платы. К дате списания баланс уже будет готов."
                            size: 15
                            rounded: true
                            color: Theme.withOpacity(Theme.tarInk, 0.58)
                            lineHeightMode: Text.FixedHeight
                            lineHeight: Math.ceil(fontInfo.pixelSize * 1.2) + 3
                            wrapMode: Text.Wrap
                        }

                        Item {
                            implicitHeight: 6
                        }

                        Rectangle {
                            Layout.fillWidth: true
                            implicitHeight: valueList.implicitHeight + 12
                            radius: 20
                            color: Theme.withOpacity(Theme.tarPaper, 0.78)

                            ColumnLayout {
                                id: valueList

                                y: 6
                                width: parent.width
                                spacing: 0

                                AutopayValueRow {
                                    objectName: "tariffRow"
                                    Layout.fillWidth: true
                                    title: "Тариф"
                                    value: AutopayRules.tariffRowValue(AccountStore.account.tariffName)
                                    icon: "wifi"
                                }

                                AutopayDivider {}

                                AutopayValueRow {
                                    objectName: "amountRow"
                                    Layout.fillWidth: true
                                    title: "Сумма пополнения"
                                    value: view.amount
                                    icon: "rublesign"
                                }

                                AutopayDivider {}

                                AutopayDayRow {
                                    objectName: "dayRow"
                                    Layout.fillWidth: true
                                    value: view.paymentDay
                                    onEdited: text => view.paymentDay = text
                                }

                                AutopayDivider {}

                                AutopayValueRow {
                                    objectName: "accountRow"
                                    Layout.fillWidth: true
                                    title: "Лицевой счёт"
                                    value: AutopayRules.accountRowValue(AccountStore.account.accountNumber)
                                    icon: "person.text.rectangle"
                                }
                            }
                        }

                        TarvikButton {
                            id: connectButton

                            objectName: "connectButton"
                            Layout.fillWidth: true
                            implicitHeight: 54
                            buttonStyle: TarvikButton.Plain
                            text: "ПОДКЛЮЧИТЬ"
                            // Without a day the confirmation would name none: the button waits for one.
                            enabled: view.paymentDay.length > 0
                            onClicked: view.showDone = true

                            background: Rectangle {
                                radius: 16
                                color: !connectButton.enabled ? Theme.withOpacity(Theme.tarInk, 0.18)
                                     : connectButton.down ? Qt.darker(Theme.tarPink, 1.15) : Theme.tarPink
                            }

                            contentItem: StyledText {
                                text: connectButton.text
                                size: 16
                                weight: Font.Black
                                rounded: true
                                tracking: 0.6
                                color: Theme.white
                                horizontalAlignment: Text.AlignHCenter
                                verticalAlignment: Text.AlignVCenter
                                Accessible.ignored: true
                            }
                        }

                        StyledText {
                            Layout.fillWidth: true
                            text: "После подтверждения откроется привязка карты на защищённой странице банка."
                            textStyle: Theme.Caption
                            color: Theme.withOpacity(Theme.tarInk, 0.46)
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }

        TarvikButton {
            id: closeButton

            objectName: "closeButton"
            x: 16
            y: 50
            width: 42
            height: 42
            buttonStyle: TarvikButton.Plain
            text: "Закрыть"
            onClicked: Presentation.dismiss()

            background: Item {
                SoftShadow {
                    offset: 6
                    radius: 21
                    blur: 12
                    color: Theme.withOpacity(Theme.black, 0.08)
                }

                Rectangle {
                    anchors.fill: parent
                    radius: 21
                    color: Theme.withOpacity(Theme.white, 0.88)
                }
            }

            contentItem: Item {
                SymbolImage {
                    anchors.centerIn: parent
                    name: "xmark"
                    size: 15
                    weight: Font.Black
                    color: Theme.tarInk
                    opacity: closeButton.down ? 0.45 : 1
                }
            }
        }
    }

    Alert {
        id: doneAlert

        objectName: "doneAlert"
        presented: view.showDone
        onClosed: view.showDone = false
        title: "Автоплатёж почти готов"
        // The amount and the day as they are when the alert comes up.
        onAboutToShow: message = AutopayRules.confirmationMessage(view.amount, view.paymentDay)
        buttons: [
            AlertButton {
                text: "Понятно"
                role: AlertButton.Cancel
                onTriggered: view.Presentation.dismiss()
            }
        ]
    }
}
