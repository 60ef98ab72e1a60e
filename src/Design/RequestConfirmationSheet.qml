import QtQuick
import Tarvik.Design

// The confirmation of a request form: a sheet with DemoActionSheet, up while `request.confirmed`;
// closing it resets the flag and leaves the form as it was.
//   required request: ConfirmationSend; required title, message: the sheet's texts
Sheet {
    id: sheet

    required property ConfirmationSend request
    required property string title
    required property string message

    objectName: "confirmationSheet"
    presented: request.confirmed
    onClosed: request.confirmed = false
    sourceComponent: Component {
        DemoActionSheet {
            title: sheet.title
            message: sheet.message
        }
    }
}
