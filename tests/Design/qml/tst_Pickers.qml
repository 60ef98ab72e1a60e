import QtQuick
import QtTest
import Tarvik.Design

Item {
    id: root
    width: 393
    height: 852

    readonly property date openedAt: new Date()
    property date visitDate: new Date(openedAt.getFullYear(), openedAt.getMonth(), openedAt.getDate() + 1, 9, 30)
    property date anyDate: new Date(2026, 2, 10, 8, 15)
    property date visitTime: new Date(2026, 11, 7, 14, 5)

    Column {
        width: parent.width

        TarvikDatePicker {
            id: futureOnly
            width: parent.width
            label: "Дата"
            date: root.visitDate
            minimumDate: root.openedAt
            onPicked: date => root.visitDate = date
        }

        TarvikDatePicker {
            id: unlimited
            width: parent.width
            label: "Дата платежа"
            date: root.anyDate
            onPicked: date => root.anyDate = date
        }

        TarvikTimePicker {
            id: timePicker
            width: parent.width
            label: "Время"
            date: root.visitTime
            onPicked: date => root.visitTime = date
        }
    }

    TestCase {
        name: "Pickers"
        when: windowShown

        function find(object, name) {
            if (!object)
                return null
            if (object.objectName === name)
                return object
            const kids = object.data !== undefined ? object.data : []
            for (let i = 0; i < kids.length; ++i) {
                const found = find(kids[i], name)
                if (found)
                    return found
            }
            // A ListView keeps its cells in its content item.
            if (object.contentItem && object.contentItem !== object)
                return find(object.contentItem, name)
            return null
        }

        function texts(object, out) {
            if (object.text !== undefined && object.visible !== false && typeof object.text === "string")
                out.push(object.text)
            const kids = object.data !== undefined ? object.data : []
            for (let i = 0; i < kids.length; ++i)
                texts(kids[i], out)
            return out
        }

        function cleanup() {
            futureOnly.close()
            unlimited.close()
            timePicker.close()
            tryVerify(() => !find(futureOnly, "calendarPopup").visible && !find(unlimited, "calendarPopup").visible
                      && !find(timePicker, "timePopup").visible)
            root.anyDate = new Date(2026, 2, 10, 8, 15)
            root.visitTime = new Date(2026, 11, 7, 14, 5)
        }

        function openCalendar(picker) {
            mouseClick(find(picker, "dateButton"))
            tryVerify(() => picker.calendarOpen)
            const popup = find(picker, "calendarPopup")
            tryCompare(popup, "opacity", 1)
            return popup.contentItem
        }

        function closeCalendar(picker) {
            picker.close()
            tryVerify(() => !find(picker, "calendarPopup").visible)
        }

        // Russian month names in the title, Russian weekday names Monday first, and the date in
        // the capsule as "dd.MM.yyyy".
        function test_russianNames() {
            const calendar = openCalendar(unlimited)
            compare(find(calendar, "calendarTitle").text, "март 2026 г.")
            const all = texts(calendar, [])
            const weekdays = ["ПН", "ВТ", "СР", "ЧТ", "ПТ", "СБ", "ВС"]
            const first = all.indexOf("ПН")
            verify(first >= 0, "weekday row: " + all.join(","))
            compare(all.slice(first, first + 7), weekdays)
            closeCalendar(unlimited)
            compare(find(unlimited, "dateButton").text, "10.03.2026")
            compare(find(timePicker, "timeButton").text, "14:05")
        }

        // Without a minimum every day of an earlier month can be picked; the time of day stays.
        function test_anyDayWithoutMinimum() {
            const calendar = openCalendar(unlimited)
            const previous = find(calendar, "previousMonthButton")
            verify(previous.enabled)
            mouseClick(previous)
            compare(find(calendar, "calendarTitle").text, "февраль 2026 г.")
            mouseClick(find(calendar, "day3"))
            tryVerify(() => !unlimited.calendarOpen)
            compare(root.anyDate, new Date(2026, 1, 3, 8, 15))
        }

        // With today as the minimum, earlier days of this month cannot be picked, the calendar
        // does not page back before this month, and today and later days can.
        function test_minimumDateToday() {
            const calendar = openCalendar(futureOnly)
            const previous = find(calendar, "previousMonthButton")
            verify(!previous.enabled)
            const today = root.openedAt.getDate()
            if (today > 1) {
                const yesterday = find(calendar, "day" + (today - 1))
                verify(!yesterday.enabled)
                mouseClick(yesterday)
                verify(futureOnly.calendarOpen)
            }
            mouseClick(find(calendar, "day" + today))
            tryVerify(() => !find(futureOnly, "calendarPopup").visible)
            compare(root.visitDate.getDate(), today)
            compare(root.visitDate.getMonth(), root.openedAt.getMonth())
            compare(root.visitDate.getHours(), 9)
            compare(root.visitDate.getMinutes(), 30)

            // A later month allows every day and pages back to this one only.
            const again = openCalendar(futureOnly)
            mouseClick(find(again, "nextMonthButton"))
            verify(find(again, "previousMonthButton").enabled)
            verify(find(again, "day1").enabled)
            mouseClick(find(again, "previousMonthButton"))
            verify(!find(again, "previousMonthButton").enabled)
            closeCalendar(futureOnly)
        }

        // The keyboard opens the calendar on the chosen day, moves a day or a week with the arrows
        // (over a month's edge, never before the minimum), picks with Space and leaves with Escape;
        // the focus is back on the field.
        function test_keyboardChoosesADay_data() {
            return [
                { tag: "next day", picker: unlimited, keys: [Qt.Key_Right, Qt.Key_Space], picked: new Date(2026, 2, 11, 8, 15) },
                { tag: "two weeks back", picker: unlimited, keys: [Qt.Key_Up, Qt.Key_Up, Qt.Key_Space], picked: new Date(2026, 1, 24, 8, 15) },
                { tag: "Escape", picker: unlimited, keys: [Qt.Key_Down, Qt.Key_Escape], picked: new Date(2026, 2, 10, 8, 15) },
                { tag: "not before the minimum", picker: futureOnly, keys: [Qt.Key_Left, Qt.Key_Left, Qt.Key_Space], picked: null },
            ]
        }

        function test_keyboardChoosesADay(data) {
            const button = find(data.picker, "dateButton")
            button.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            tryVerify(() => data.picker.calendarOpen)
            const calendar = find(data.picker, "calendarPopup").contentItem
            tryVerify(() => find(calendar, "day" + data.picker.date.getDate()).activeFocus)
            for (const key of data.keys)
                keyClick(key)
            tryVerify(() => !find(data.picker, "calendarPopup").visible)
            if (data.picked)
                compare(root.anyDate, data.picked)
            else
                compare(root.visitDate.toDateString(), root.openedAt.toDateString())
            verify(button.activeFocus)
        }

        // Up and Down turn the wheel that has the focus, which reports at once; Left and Right go
        // to the other wheel. Space takes the time and closes; Escape closes and takes it back.
        function test_keyboardTurnsTheWheels_data() {
            return [
                { tag: "Space", key: Qt.Key_Space, hours: 15, minutes: 4, shown: "15:04" },
                { tag: "Escape", key: Qt.Key_Escape, hours: 14, minutes: 5, shown: "14:05" },
            ]
        }

        function test_keyboardTurnsTheWheels(data) {
            const button = find(timePicker, "timeButton")
            button.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            tryVerify(() => timePicker.wheelsOpen)
            const popup = find(timePicker, "timePopup")
            const hours = find(popup.contentItem, "hourWheel")
            tryVerify(() => hours.currentItem.activeFocus)
            keyClick(Qt.Key_Down)
            tryVerify(() => root.visitTime.getHours() === 15)
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Up)
            tryVerify(() => root.visitTime.getMinutes() === 4)
            compare(root.visitTime.getHours(), 15)
            keyClick(data.key)
            tryVerify(() => button.activeFocus)
            verify(!timePicker.wheelsOpen)
            compare(root.visitTime.getHours(), data.hours)
            compare(root.visitTime.getMinutes(), data.minutes)
            compare(button.text, data.shown)
        }

        // The wheels start on the shown time; a tap on a value reports at once, keeps the day
        // and drops the seconds.
        function test_timeWheels() {
            mouseClick(find(timePicker, "timeButton"))
            tryVerify(() => timePicker.wheelsOpen)
            const popup = find(timePicker, "timePopup")
            tryCompare(popup, "opacity", 1)
            const hours = find(popup.contentItem, "hourWheel")
            const minutes = find(popup.contentItem, "minuteWheel")
            compare(hours.currentIndex, 14)
            compare(minutes.currentIndex, 5)

            // The row below the band is the next hour, the row above it the previous minute.
            mouseClick(hours, hours.width / 2, hours.height / 2 + hours.rowHeight)
            tryVerify(() => root.visitTime.getHours() === 15)
            compare(root.visitTime.getMinutes(), 5)
            mouseClick(minutes, minutes.width / 2, minutes.height / 2 - minutes.rowHeight)
            tryVerify(() => root.visitTime.getMinutes() === 4)
            compare(root.visitTime.getHours(), 15)
            compare(root.visitTime.getDate(), 7)
            compare(root.visitTime.getSeconds(), 0)
            verify(timePicker.wheelsOpen)
            mouseClick(find(popup.contentItem, "doneButton"))
            tryVerify(() => !timePicker.wheelsOpen)
            compare(find(timePicker, "timeButton").text, "15:04")
        }
    }
}
