import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The app's one date field: a PickerField showing the chosen date ("dd.MM.yyyy") that opens a
// month calendar with Russian month and weekday names, Monday first. Picking a day keeps the time
// of day of `date` and closes the calendar. The focus opens on the chosen day; the arrows move it
// a day or a week (paging the month), Return or Space picks. The picker never changes `date`
// itself: bind `date` to the form's value and write it back in `onPicked`.
//   required label: string
//   date: the shown date (a JS Date), today by default
//   minimumDate: a JS Date or null (default); days before its day cannot be picked and the
//       calendar does not page back past its month. A form that asks for "today on" passes
//       `new Date()` taken when the form opens.
//   picked(date): a day was chosen (a new Date; `date`'s time of day kept)
//   open(), close(): the calendar; readonly calendarOpen: bool
// Test hooks (objectName): "dateButton", "calendarPopup", "calendarTitle", "previousMonthButton",
// "nextMonthButton", "monthGrid", "day<N>" for the days of the month on show.
PickerField {
    id: picker

    property date date: new Date()
    property var minimumDate: null
    readonly property alias calendarOpen: picker.popupOpen
    readonly property var locale: Qt.locale("ru_RU")
    // The month on show, which the chevrons change without touching the date, and the day the
    // keyboard is on.
    property int shownMonth: 0
    property int shownYear: 2000
    property date focusedDay: new Date()
    readonly property bool atMinimumMonth: !!minimumDate
        && shownYear * 12 + shownMonth <= minimumDate.getFullYear() * 12 + minimumDate.getMonth()

    signal picked(date date)

    // Whether the day is before the minimum date's day (time of day does not count).
    function beforeMinimum(year, month, day) {
        if (!picker.minimumDate)
            return false
        const min = picker.minimumDate
        return new Date(year, month, day) < new Date(min.getFullYear(), min.getMonth(), min.getDate())
    }

    function pick(year, month, day) {
        if (picker.beforeMinimum(year, month, day))
            return
        const chosen = new Date(picker.date.getTime())
        chosen.setFullYear(year, month, day)
        picker.close()
        picker.picked(chosen)
    }

    function step(months) {
        const total = shownYear * 12 + shownMonth + months
        shownYear = Math.floor(total / 12)
        shownMonth = total - shownYear * 12
    }

    // The cell of a day of the month on show (null for a day of another month).
    function cell(day) {
        for (let i = 0; i < days.children.length; ++i) {
            if (days.children[i].objectName === "day" + day)
                return days.children[i]
        }
        return null
    }

    // The keyboard's move: to the day `offset` days away, on its month, unless it is too early.
    // Paging the month gives every cell another day, and hides the focused one for a moment: the
    // focus waits meanwhile where a screen reader reads nothing, and reaches the new day once.
    function moveFocus(offset) {
        const to = new Date(focusedDay.getFullYear(), focusedDay.getMonth(), focusedDay.getDate() + offset)
        if (beforeMinimum(to.getFullYear(), to.getMonth(), to.getDate()))
            return
        focusedDay = to
        if (to.getMonth() !== shownMonth || to.getFullYear() !== shownYear) {
            pagingRest.forceActiveFocus(Qt.OtherFocusReason)
            shownMonth = to.getMonth()
            shownYear = to.getFullYear()
        }
        cell(to.getDate()).forceActiveFocus(Qt.TabFocusReason)
    }

    value: date.toLocaleDateString(locale, "dd.MM.yyyy")
    button.objectName: "dateButton"
    popup.objectName: "calendarPopup"
    initialFocus: cell(focusedDay.getDate())

    onAboutToOpen: {
        const min = picker.minimumDate
        const day = min && picker.date < min ? min : picker.date
        focusedDay = new Date(day.getFullYear(), day.getMonth(), day.getDate())
        shownMonth = day.getMonth()
        shownYear = day.getFullYear()
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 4

        StyledText {
            objectName: "calendarTitle"
            Layout.fillWidth: true
            Layout.leftMargin: 6
            text: picker.locale.standaloneMonthName(picker.shownMonth) + " " + picker.shownYear + " г."
            textStyle: Theme.Headline
            color: Theme.label
            elide: Text.ElideRight
        }

        SymbolButton {
            objectName: "previousMonthButton"
            symbol: "chevron.left"
            text: "Предыдущий месяц"
            weight: Font.DemiBold
            enabled: !picker.atMinimumMonth
            opacity: enabled ? 1 : 0.35
            onClicked: picker.step(-1)
        }

        SymbolButton {
            objectName: "nextMonthButton"
            symbol: "chevron.right"
            text: "Следующий месяц"
            weight: Font.DemiBold
            onClicked: picker.step(1)
        }
    }

    T.AbstractDayOfWeekRow {
        id: weekdays

        Layout.fillWidth: true
        implicitHeight: 24
        locale: picker.locale // qmllint disable type
        // Letters over the columns; each day says its own date.

        delegate: StyledText {
            required property string shortName

            text: shortName.toUpperCase()
            Accessible.ignored: true
            textStyle: Theme.Caption2
            weight: Font.DemiBold
            color: Theme.tertiaryLabel
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        contentItem: Row {
            Repeater {
                model: weekdays.source
                delegate: weekdays.delegate
            }
        }
    }

    T.AbstractMonthGrid {
        id: grid

        objectName: "monthGrid"
        Layout.fillWidth: true
        implicitHeight: 6 * 40
        month: picker.shownMonth
        year: picker.shownYear
        locale: picker.locale // qmllint disable type
        // The days are the dialog's own buttons, read in the order of the weeks. The month is one
        // stop of the Tab order, which goes on to the day the keyboard is on.
        Accessible.ignored: true
        focusPolicy: Qt.TabFocus
        onActiveFocusChanged: if (activeFocus && Window.activeFocusItem === grid) picker.cell(picker.focusedDay.getDate()).forceActiveFocus(Qt.TabFocusReason)

        // Where the focus waits while the month pages (outside the accessibility tree, so never
        // read).
        Item {
            id: pagingRest
        }

        Keys.onPressed: event => {
            const offsets = { [Qt.Key_Left]: -1, [Qt.Key_Right]: 1, [Qt.Key_Up]: -7, [Qt.Key_Down]: 7 }
            if (offsets[event.key] === undefined)
                return
            picker.moveFocus(offsets[event.key])
            event.accepted = true
        }

        delegate: T.AbstractButton {
            id: day

            required property var model
            readonly property bool inMonth: model.month === grid.month
            readonly property bool allowed: inMonth && !picker.beforeMinimum(model.year, model.month, model.day) // qmllint disable unqualified
            readonly property bool selected: inMonth && model.year === picker.date.getFullYear()
                                             && model.month === picker.date.getMonth()
                                             && model.day === picker.date.getDate()

            objectName: inMonth ? "day" + model.day : ""
            // Days of the neighbouring months keep their cells, so the weekdays line up.
            opacity: inMonth ? 1 : 0
            enabled: allowed
            focusPolicy: Qt.NoFocus
            text: model.day
            Accessible.name: model.day + " " + picker.locale.monthName(model.month) + " " + model.year
            Accessible.selectable: true
            Accessible.selected: selected
            onClicked: picker.pick(model.year, model.month, model.day) // qmllint disable unqualified

            background: Rectangle {
                anchors.centerIn: parent
                width: Math.min(parent.width, parent.height, 38)
                height: width
                radius: width / 2
                color: day.selected ? Theme.tarPink : day.down ? Theme.tertiarySystemFill : "transparent"
                border.width: day.activeFocus ? 2 : 0
                border.color: day.selected ? Theme.tarInk : Theme.tarPink
            }

            contentItem: StyledText {
                text: day.text
                size: 19
                weight: day.selected || day.model.today ? Font.DemiBold : Font.Normal
                color: day.selected ? Theme.white : !day.allowed ? Theme.tertiaryLabel
                                                  : day.model.today ? Theme.tarPink : Theme.label
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                Accessible.ignored: true
            }
        }

        contentItem: Grid {
            id: days

            rows: 6
            columns: 7

            Repeater {
                model: grid.source
                delegate: grid.delegate
            }
        }
    }
}
