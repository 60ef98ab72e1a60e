import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// The second step of a top-up: SBP or bank card for the amount as typed. A tap asks the store for
// a checkout and opens its page in the checkout sheet; closing that sheet refreshes the account.
// A third row opens the trust payment. Presented as a Sheet's content by TopUpFlow.
//   required amount: string (passed on unchanged); required isSubscriptionPayment: bool (a
//   subscription's title, and no trust-payment row)
NavigationStack {
    id: view

    required property string amount
    required property bool isSubscriptionPayment
    property bool showTrustPayment: false
    readonly property alias controller: methodsController

    readonly property var methods: [
        { method: TarvikPaymentMethod.Sbp, title: "СБП", subtitle: "Оплата в приложении любого банка",
          icon: "qrcode", tint: Theme.tarPink },
        { method: TarvikPaymentMethod.BankCard, title: "Банковская карта", subtitle: "МИР, Visa или Mastercard через ЮKassa",
          icon: "creditcard.fill", tint: Theme.tarInk }
    ]

    PaymentMethodsController {
        id: methodsController
        accountStore: AccountStore
    }

    initialItem: DetailPage {
        title: view.isSubscriptionPayment ? "Оплата подписки" : "Способы оплаты"
        contentSpacing: 12
        leadingItems: [
            BarButton {
                text: "Назад"
                onClicked: Presentation.dismiss()
            }
        ]

        CardSurface {
            Layout.fillWidth: true
            padding: 18

            contentItem: RowLayout {
                StyledText {
                    text: "К оплате"
                    color: Theme.secondaryLabel
                }

                Item {
                    Layout.fillWidth: true
                }

                StyledText {
                    objectName: "summaryAmount"
                    text: (view.amount.length > 0 ? view.amount : "0") + " ₽"
                    weight: Font.Bold
                }
            }
        }

        Repeater {
            model: view.methods

            PaymentMethodRow {
                id: methodRow

                required property var modelData

                objectName: "method" + methodRow.modelData.method
                Layout.fillWidth: true
                title: methodRow.modelData.title
                subtitle: methodRow.modelData.subtitle
                symbol: methodRow.modelData.icon
                tint: methodRow.modelData.tint
                fillOpacity: 0.12
                loading: methodsController.loadingMethod === methodRow.modelData.method // qmllint disable unqualified
                enabled: methodsController.loadingMethod === -1 // qmllint disable unqualified
                onClicked: methodsController.beginCheckout(view.amount, methodRow.modelData.method) // qmllint disable unqualified
            }
        }

        PaymentMethodRow {
            objectName: "trustPaymentRow"
            Layout.fillWidth: true
            visible: !view.isSubscriptionPayment
            title: "Доверительный платёж"
            subtitle: "Продолжить пользоваться услугами ещё 5 дней"
            symbol: "clock.arrow.circlepath"
            tint: Theme.tarOrange
            fillOpacity: 0.14
            onClicked: view.showTrustPayment = true
        }

        StyledText {
            Layout.fillWidth: true
            Layout.leftMargin: 4
            Layout.rightMargin: 4
            text: "Оплата проходит на защищённой странице банка. Tarvik не получает и не хранит данные карты."
            textStyle: Theme.Caption
            color: Theme.secondaryLabel
            wrapMode: Text.Wrap
        }
    }

    Alert {
        id: errorAlert

        objectName: "checkoutErrorAlert"
        presented: methodsController.errorMessage.length > 0
        title: "Не удалось перейти к оплате"
        buttons: [
            AlertButton {
                text: "Понятно"
                role: AlertButton.Cancel
                onTriggered: methodsController.clearError()
            }
        ]
        // The text stays as it was while the alert fades out.
        onAboutToShow: message = methodsController.errorMessage.length > 0 ? methodsController.errorMessage : "Попробуйте ещё раз"
    }

    Sheet {
        objectName: "checkoutSheet"
        presented: !methodsController.checkout.isNull
        onClosed: methodsController.checkoutClosed()
        sourceComponent: Component {
            EmbeddedCheckoutView {
                url: methodsController.checkout.url // qmllint disable unqualified
            }
        }
    }

    Sheet {
        objectName: "trustPaymentSheet"
        presented: view.showTrustPayment
        onClosed: view.showTrustPayment = false
        sourceComponent: Component {
            TrustPaymentView {}
        }
    }
}
