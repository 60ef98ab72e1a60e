import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The editable line of the autopay summary: the day of the month on which the account is topped
// up. The field shows `value` and reports every edit; the screen keeps the day within 1 to 28.
// Only the field is read out: it is named as the row.
//   required value: string; edited(text): the field's text after an edit
AutopayValueRow {
    id: row

    signal edited(string text)

    title: "День пополнения"
    icon: "calendar.badge.clock"
    accessorySpacing: 12 + 12
    valueLabel.visible: false
    readAsText: false

    accessory: RowLayout {
        spacing: 4

        TarvikTextField {
            id: field

            objectName: "paymentDayField"
            Layout.preferredWidth: 38
            implicitHeight: contentHeight
            leftPadding: 0
            rightPadding: 0
            topPadding: 0
            bottomPadding: 0
            outlined: false
            fillColor: "transparent"
            text: row.value
            placeholderText: "0"
            font: Theme.systemFont(14, Font.Black, true)
            color: Theme.tarInk
            selectedTextColor: Theme.tarInk
            horizontalAlignment: TextInput.AlignRight
            inputMethodHints: Qt.ImhDigitsOnly
            Accessible.name: row.title
            // The screen may hand back the very value it held ("28", then "289" typed, is "28"
            // again), which changes nothing the binding would see: show it anew after every edit.
            onTextEdited: {
                row.edited(text)
                text = Qt.binding(() => row.value)
            }
        }

        StyledText {
            text: "числа"
            size: 14
            weight: Font.Black
            rounded: true
            color: Theme.tarInk
            Accessible.ignored: true
        }
    }
}
