import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Payments

// The form of one statement: for a wrong payment its amount and date, then a comment; sending
// shows a short sending state and the confirmation sheet, and keeps the fields as they were.
// Nothing leaves the device. Push it with the kind:
//   page.push(component, { kind: PaymentStatementKind.Recalculation })
//   required kind: PaymentStatementKind; readonly form: the PaymentStatementForm behind it
DetailPage {
    id: screen

    required property int kind
    readonly property alias form: statementForm

    title: statementForm.title
    // A field being edited comes into view with the send button under it.
    FocusScroller.mainControl: submitButton

    PaymentStatementForm {
        id: statementForm
        kind: screen.kind
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            StyledText {
                Layout.fillWidth: true
                text: statementForm.title
                size: 28
                weight: Font.Black
                rounded: true
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }

            StyledText {
                Layout.fillWidth: true
                text: statementForm.intro
                textStyle: Theme.Subheadline
                weight: Font.Medium
                color: Theme.withOpacity(Theme.tarInk, 0.56)
                wrapMode: Text.Wrap
            }
        }
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 10

            ReferralInputField {
                objectName: "amountField"
                Layout.fillWidth: true
                visible: statementForm.showsAmountAndDate
                title: "Сумма платежа"
                keyboard: Qt.ImhDigitsOnly
                text: statementForm.amount
                onTextEdited: statementForm.amount = text
            }

            TarvikDatePicker {
                objectName: "datePicker"
                Layout.fillWidth: true
                visible: statementForm.showsAmountAndDate
                label: "Дата платежа"
                date: statementForm.operationDate
                onPicked: date => statementForm.operationDate = date
            }

            ReferralInputField {
                objectName: "commentField"
                Layout.fillWidth: true
                title: "Комментарий"
                text: statementForm.comment
                onTextEdited: statementForm.comment = text
            }

            TarvikButton {
                id: submitButton

                objectName: "submitButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                enabled: statementForm.canSubmit && !statementForm.request.sending
                text: statementForm.request.sending ? "ОТПРАВЛЯЕМ…" : "ОТПРАВИТЬ ЗАЯВЛЕНИЕ"
                onClicked: statementForm.submit()

                background: Rectangle {
                    objectName: "submitBackground"
                    implicitHeight: 54
                    radius: 18
                    color: statementForm.canSubmit ? Theme.tarPink : Theme.withOpacity(Theme.tarInk, 0.18)
                }

                contentItem: StyledText {
                    text: submitButton.text
                    size: 16
                    weight: Font.Black
                    rounded: true
                    tracking: 0.5
                    color: Theme.white
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    opacity: submitButton.down ? 0.7 : 1
                    Accessible.ignored: true
                }
            }
        }
    }

    RequestConfirmationSheet {
        request: statementForm.request
        allowed: screen.onScreen
        title: "Заявление принято"
        message: "Мы передали обращение специалисту Tarvik."
    }

    RequestErrorAlert {
        request: statementForm.request
        allowed: screen.onScreen
    }
}
