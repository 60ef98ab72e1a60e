pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shop

// The shop's checkout: the ordered items, the engineer's visit date and time, a comment, the way
// of paying (with the amount to give change from, for cash), the amount due and the confirmation.
// Confirmation-only: nothing leaves the device and no payment is taken.
//   required items: the cart's lines when the checkout opened (a copy; the cart may change meanwhile)
DetailPage {
    id: screen

    required property var items
    property bool clearsCartOnSuccess: true
    property date visitDate: {
        const tomorrow = new Date()
        tomorrow.setDate(tomorrow.getDate() + 1)
        return tomorrow
    }
    property date visitTime: new Date()
    property string comment: ""
    property string paymentMethod: "sbp"
    property string cashAmount: ""
    // The ordered items have left the cart; a later confirmation takes nothing more out.
    property bool cartSettled: false
    readonly property date openedAt: new Date()

    readonly property var paymentMethods: [
        { key: "sbp", title: "СБП", subtitle: "Оплата через приложение банка" },
        { key: "card", title: "Банковская карта", subtitle: "МИР, Visa или Mastercard" },
        { key: "cash", title: "Наличные", subtitle: "Оплата сервисному инженеру" }
    ]
    readonly property string paymentTitle: paymentMethods.find(method => method.key === paymentMethod).title
    readonly property double totalRubles: ShopCatalog.totalRubles(items)
    readonly property string formattedTotal: ShopCatalog.formatRubles(totalRubles)
    readonly property string submitCaption: paymentMethod === "cash" ? "Подтвердить заказ" : "Перейти к оплате"
    readonly property alias request: send

    title: "Оформление заказа"
    // A field being edited comes into view with the main button.
    FocusScroller.mainControl: submitButton

    // Only what this checkout ordered leaves the cart, once: a product added on another tab while
    // it was open stays. A wait that ends while the checkout is off screen (gone back to the cart,
    // covered, its tab switched away) takes nothing out until the outcome shows.
    function settleCart() {
        if (send.confirmed && onScreen && clearsCartOnSuccess && !cartSettled) {
            cartSettled = true
            ShopCart.removeOrdered(items)
        }
    }

    onOnScreenChanged: settleCart()

    ConfirmationSend {
        id: send
        onConfirmedChanged: screen.settleCart()
    }

    RequestConfirmationSheet {
        request: send
        allowed: screen.onScreen
        title: "Заказ оформлен"
        message: "Сервисный инженер придёт в выбранные дату и время. Способ оплаты: " + screen.paymentTitle + "."
    }

    RequestErrorAlert {
        objectName: "orderErrorAlert"
        request: send
        allowed: screen.onScreen
        title: "Не удалось оформить заказ"
    }

    ShopOrderItemsCard {
        objectName: "orderItems"
        Layout.fillWidth: true
        items: screen.items
    }

    StyledText {
        text: "Визит сервисного инженера"
        size: 23
        weight: Font.Bold
        rounded: true
        tracking: -0.35
    }

    VisitDateTimeCard {
        Layout.fillWidth: true
        date: screen.visitDate
        time: screen.visitTime
        earliestDate: screen.openedAt
        onDatePicked: date => screen.visitDate = date
        onTimePicked: time => screen.visitTime = time
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 10

            StyledText {
                text: "Комментарий для инженера"
                size: 18
                weight: Font.Black
                rounded: true
                // The field carries it as its name.
                Accessible.ignored: true
            }
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: Math.max(92, commentEditor.implicitHeight)
                radius: 14
                color: Theme.tarPaper

                TextEdit {
                    id: commentEditor
                    objectName: "commentEditor"
                    // A plain text editor is not a Tab stop by itself; a field always is.
                    activeFocusOnTab: true
                    Accessible.name: "Комментарий для инженера"
                    anchors.fill: parent
                    padding: 15
                    topPadding: 18
                    bottomPadding: 18
                    text: screen.comment
                    onTextChanged: if (text !== screen.comment) screen.comment = text
                    wrapMode: TextEdit.Wrap
                    font: Theme.font(Theme.Body)
                    color: Theme.label
                    selectionColor: Theme.withOpacity(Theme.tarPink, 0.3)
                    selectedTextColor: Theme.label
                }
                StyledText {
                    objectName: "commentPlaceholder"
                    visible: screen.comment.length === 0 && commentEditor.preeditText.length === 0
                    x: 15
                    y: 18
                    text: "Например: позвонить за 30 минут"
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                    Accessible.ignored: true
                }
            }
            StyledText {
                text: "Необязательно"
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
            }
        }
    }

    StyledText {
        text: "Способ оплаты"
        size: 23
        weight: Font.Bold
        rounded: true
        tracking: -0.35
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 10

        Repeater {
            model: screen.paymentMethods

            TarvikButton {
                id: method
                required property var modelData
                readonly property bool chosen: screen.paymentMethod === modelData.key
                objectName: "payment_" + modelData.key
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                padding: 0
                text: modelData.title
                Accessible.description: modelData.subtitle
                // One choice of several: the chosen way to pay is the checked one.
                checkable: true
                autoExclusive: true
                checked: chosen
                onClicked: screen.paymentMethod = modelData.key

                contentItem: Rectangle {
                    implicitHeight: methodRow.implicitHeight + 30
                    radius: 18
                    color: Theme.white

                    RowLayout {
                        id: methodRow
                        x: 15
                        width: parent.width - 30
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 14

                        ColumnLayout {
                            spacing: 3
                            StyledText {
                                text: method.modelData.title
                                size: 16
                                weight: Font.Black
                                rounded: true
                                color: Theme.tarInk
                            }
                            StyledText {
                                text: method.modelData.subtitle
                                textStyle: Theme.Caption
                                color: Theme.secondaryLabel
                            }
                        }
                        Item {
                            Layout.fillWidth: true
                        }
                        SymbolImage {
                            objectName: "paymentMark"
                            name: method.chosen ? "checkmark.circle.fill" : "circle"
                            size: Theme.textStyleSize(Theme.Title3)
                            color: method.chosen ? Theme.tarPink : Theme.secondaryLabel
                        }
                    }
                }
            }
        }
    }

    CardSurface {
        id: changeCard
        objectName: "changeCard"
        readonly property bool shown: screen.paymentMethod === "cash"
        Layout.fillWidth: true
        padding: 18
        visible: opacity > 0
        opacity: shown ? 1 : 0
        transform: Translate {
            y: changeCard.shown ? 0 : -24
            Behavior on y { NumberAnimation { duration: 200; easing.type: Easing.OutQuad } }
        }
        Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.OutQuad } }

        contentItem: ColumnLayout {
            spacing: 10

            StyledText {
                id: changeCaption

                text: "С какой суммы нужна сдача?"
                size: 18
                weight: Font.Black
                rounded: true
                // Read as the field's name.
                Accessible.ignored: true
            }
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 52
                radius: 14
                color: Theme.tarPaper

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14

                    TarvikTextField {
                        objectName: "cashField"
                        Layout.fillWidth: true
                        implicitHeight: 52
                        outlined: false
                        fillColor: "transparent"
                        leftPadding: 0
                        rightPadding: 0
                        placeholderText: "Например, 5 000"
                        inputMethodHints: Qt.ImhDigitsOnly
                        Accessible.name: changeCaption.text
                        text: screen.cashAmount
                        onTextEdited: screen.cashAmount = text
                    }
                    StyledText {
                        text: "₽"
                        color: Theme.secondaryLabel
                    }
                }
            }
            StyledText {
                text: "Оставьте поле пустым, если сдача не нужна"
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
            }
        }
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: RowLayout {
            StyledText {
                text: "К оплате"
                color: Theme.secondaryLabel
            }
            Item { Layout.fillWidth: true }
            StyledText {
                objectName: "amountDue"
                text: screen.formattedTotal
                textStyle: Theme.Headline
            }
        }
    }

    TarvikButton {
        id: submitButton
        objectName: "submitButton"
        Layout.fillWidth: true
        buttonStyle: TarvikButton.Plain
        padding: 0
        enabled: !send.sending
        text: send.sending ? "Отправляем…" : screen.submitCaption
        onClicked: send.send()

        contentItem: Rectangle {
            implicitHeight: 54
            radius: 18
            color: Theme.tarPink

            StyledText {
                objectName: "submitLabel"
                anchors.centerIn: parent
                text: send.sending ? "Отправляем…" : screen.submitCaption
                size: 16
                weight: Font.Black
                rounded: true
                tracking: 0.2
                color: Theme.white
                Accessible.ignored: true
            }
        }
    }
}
