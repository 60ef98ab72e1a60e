import QtQuick
import Tarvik.Design

// The alert of a request form whose send failed: "Не удалось отправить", the failure's text
// ("Попробуйте позже" when there is none) and "Закрыть", which clears the failure.
//   required request: ConfirmationSend
Alert {
    id: alert

    required property ConfirmationSend request

    objectName: "requestErrorAlert"
    presented: alert.request.hasError
    title: "Не удалось отправить"
    buttons: [
        AlertButton {
            text: "Закрыть"
            role: AlertButton.Cancel
        }
    ]
    // The text stays as it was while the alert fades out.
    onAboutToShow: message = alert.request.hasError ? alert.request.errorText : "Попробуйте позже"
    onClosed: alert.request.clearError()
}
