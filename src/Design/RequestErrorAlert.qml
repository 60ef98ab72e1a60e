import QtQuick
import Tarvik.Design

// The alert of a form whose send failed: "Не удалось отправить" (a form may give its own title),
// the failure's text ("Попробуйте позже" when there is none) and "Закрыть", which clears it.
//   required request: ConfirmationSend; required allowed: bool, as RequestConfirmationSheet's
Alert {
    id: alert

    required property ConfirmationSend request
    required property bool allowed

    objectName: "requestErrorAlert"
    presented: allowed && alert.request.hasError
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
