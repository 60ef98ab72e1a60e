import QtQuick
import Tarvik.Design

// The confirmation of a request form: a sheet with DemoActionSheet, up while `request.confirmed`;
// closing it resets the flag and leaves the form as it was.
//   required request: ConfirmationSend; required title, message: the sheet's texts
Sheet {
    id: confirmationSheet

    required property ConfirmationSend request
    required property string title
    required property string message

    objectName: "confirmationSheet"
    presented: confirmationSheet.request.confirmed
    onClosed: confirmationSheet.request.confirmed = false
    sourceComponent: Component {
        DemoActionSheet {
            title: confirmationSheet.title
            message: confirmationSheet.message
        }
    }
}
