import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The card of an engineer's visit: its day (none before `earliestDate`) over its time of day. As
// the pickers in it, it never changes its values itself: bind them to the form's and write them
// back in the handlers.
//   date, time: JS Dates (now by default); earliestDate: a JS Date or null (default)
//   datePicked(date), timePicked(time)
// Test hooks (objectName): "visitDatePicker", "visitTimePicker".
CardSurface {
    id: card

    property date date: new Date()
    property date time: new Date()
    property var earliestDate: null

    signal datePicked(date date)
    signal timePicked(date time)

    contentItem: ColumnLayout {
        spacing: 0

        TarvikDatePicker {
            objectName: "visitDatePicker"
            Layout.fillWidth: true
            color: "transparent"
            label: "Дата"
            date: card.date
            minimumDate: card.earliestDate
            onPicked: date => card.datePicked(date)
        }

        Divider {
            indent: 16
        }

        TarvikTimePicker {
            objectName: "visitTimePicker"
            Layout.fillWidth: true
            color: "transparent"
            label: "Время"
            date: card.time
            onPicked: date => card.timePicked(date)
        }
    }
}
