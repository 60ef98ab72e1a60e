import QtQuick
import Tarvik.Design

// The confirmation of a confirmation-only form: a sheet with DemoActionSheet, up while
// `request.confirmed` and `allowed`; closing it resets the flag and leaves the form as it was.
//   required request: ConfirmationSend; required title, message: the sheet's texts
//   required allowed: bool, the screen's NavigationPage.onScreen; false holds the sheet back
Sheet {
    id: confirmationSheet

    required property ConfirmationSend request
    required title
    required message
    required property bool allowed

    objectName: "confirmationSheet"
    presented: allowed && confirmationSheet.request.confirmed
    onClosed: confirmationSheet.request.confirmed = false
    sourceComponent: Component {
        DemoActionSheet {
            title: confirmationSheet.title // qmllint disable unqualified
            message: confirmationSheet.message // qmllint disable unqualified
        }
    }
}
