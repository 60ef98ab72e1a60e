import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The app's one date field: `label` at the leading edge and the chosen date ("dd.MM.yyyy") in a
// grey capsule at the trailing edge; a tap on the capsule opens a month calendar over the window
// with Russian month and weekday names, Monday first. Picking a day keeps the time of day of
// `date` and closes the calendar. The picker never changes `date` itself: bind `date` to the
// form's value and write it back in `onPicked`.
//   required label: string
//   date: the shown date (a JS Date), today by default
//   minimumDate: a JS Date or null (default); days before its day cannot be picked and the
//       calendar does not page back past its month. A form that asks for "today on" passes
//       `new Date()` taken when the form opens.
//   picked(date): a day was chosen (a new Date; `date`'s time of day kept)
//   open(), close(): the calendar; readonly calendarOpen: bool
// Test hooks (objectName): "dateButton", "calendarPopup", "calendarTitle", "previousMonthButton",
// "nextMonthButton", "monthGrid", "day<N>" for the days of the month on show.
Rectangle {
    id: picker

    required property string label
    property date date: new Date()
    property var minimumDate: null
    readonly property alias calendarOpen: calendar.opened
    readonly property var locale: Qt.locale("ru_RU")

    signal picked(date date)

    function open() {
        calendar.shownMonth = picker.date.getMonth()
        calendar.shownYear = picker.date.getFullYear()
        calendar.open()
    }

    function close() {
        calendar.close()
    }

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
        calendar.close()
        picker.picked(chosen)
    }

    implicitWidth: row.implicitWidth + 32
    implicitHeight: Math.max(54, row.implicitHeight + 16)
    radius: 18
    color: Theme.white

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 8

        StyledText {
            Layout.fillWidth: true
            text: picker.label
            size: 15
            weight: Font.DemiBold
            rounded: true
            color: Theme.tarInk
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        TarvikButton {
            id: dateButton

            objectName: "dateButton"
            buttonStyle: TarvikButton.Plain
            text: picker.date.toLocaleDateString(picker.locale, "dd.MM.yyyy")
            Accessible.name: picker.label + ", " + text
            onClicked: picker.open()

            background: Rectangle {
                implicitHeight: 34
                radius: 8
                color: Theme.tertiarySystemFill
            }

            contentItem: StyledText {
                leftPadding: 11
                rightPadding: 11
                text: dateButton.text
                size: 15
                weight: Font.DemiBold
                rounded: true
                color: picker.calendarOpen ? Theme.tarPink : Theme.tarInk
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                opacity: dateButton.down ? 0.45 : 1
                Accessible.ignored: true
            }
        }
    }

    T.Popup {
        id: calendar

        // The month on show, which the chevrons change without touching the date.
        property int shownMonth: 0
        property int shownYear: 2000

        readonly property bool atMinimumMonth: !!picker.minimumDate
            && shownYear * 12 + shownMonth <= picker.minimumDate.getFullYear() * 12 + picker.minimumDate.getMonth()

        function step(months) {
            const total = shownYear * 12 + shownMonth + months
            shownYear = Math.floor(total / 12)
            shownMonth = total - shownYear * 12
        }

        objectName: "calendarPopup"
        parent: T.Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(340, parent ? parent.width - 32 : 340)
        implicitHeight: implicitContentHeight + topPadding + bottomPadding
        modal: true
        dim: true
        padding: 14
        closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside

        T.Overlay.modal: Rectangle {
            color: Theme.withOpacity(Theme.black, 0.2)
        }

        enter: Transition {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 150 }
            NumberAnimation { property: "scale"; from: 0.94; to: 1; duration: 150; easing.type: Easing.OutCubic }
        }
        exit: Transition {
            NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 120 }
        }

        background: Item {
            SoftRectangle {
                x: -overhang
                y: 8 - overhang
                width: parent.width + 2 * overhang
                height: parent.height + 2 * overhang
                radius: 13
                blur: 18
                color: Theme.withOpacity(Theme.black, 0.12)
            }

            Rectangle {
                anchors.fill: parent
                radius: 13
                color: Theme.white
            }
        }

        contentItem: ColumnLayout {
            spacing: 8

            RowLayout {
                Layout.fillWidth: true
                spacing: 4

                StyledText {
                    objectName: "calendarTitle"
                    Layout.fillWidth: true
                    Layout.leftMargin: 6
                    text: picker.locale.standaloneMonthName(calendar.shownMonth) + " " + calendar.shownYear + " г."
                    textStyle: Theme.Headline
                    color: Theme.label
                    elide: Text.ElideRight
                }

                SymbolButton {
                    objectName: "previousMonthButton"
                    symbol: "chevron.left"
                    text: "Предыдущий месяц"
                    weight: Font.DemiBold
                    enabled: !calendar.atMinimumMonth
                    opacity: enabled ? 1 : 0.35
                    onClicked: calendar.step(-1)
                }

                SymbolButton {
                    objectName: "nextMonthButton"
                    symbol: "chevron.right"
                    text: "Следующий месяц"
                    weight: Font.DemiBold
                    onClicked: calendar.step(1)
                }
            }

            T.AbstractDayOfWeekRow {
                id: weekdays

                Layout.fillWidth: true
                implicitHeight: 24
                locale: picker.locale

                delegate: StyledText {
                    required property string shortName

                    text: shortName.toUpperCase()
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
                month: calendar.shownMonth
                year: calendar.shownYear
                locale: picker.locale

                delegate: T.AbstractButton {
                    id: day

                    required property var model
                    readonly property bool inMonth: model.month === grid.month
                    readonly property bool allowed: inMonth && !picker.beforeMinimum(model.year, model.month, model.day)
                    readonly property bool selected: inMonth && model.year === picker.date.getFullYear()
                                                     && model.month === picker.date.getMonth()
                                                     && model.day === picker.date.getDate()

                    objectName: inMonth ? "day" + model.day : ""
                    // Days of the neighbouring months keep their cells, so the weekdays line up.
                    opacity: inMonth ? 1 : 0
                    enabled: allowed
                    text: model.day
                    Accessible.name: model.day + " " + picker.locale.monthName(model.month) + " " + model.year
                    onClicked: picker.pick(model.year, model.month, model.day)

                    background: Rectangle {
                        anchors.centerIn: parent
                        width: Math.min(parent.width, parent.height, 38)
                        height: width
                        radius: width / 2
                        color: day.selected ? Theme.tarPink : day.down ? Theme.tertiarySystemFill : "transparent"
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
                    rows: 6
                    columns: 7

                    Repeater {
                        model: grid.source
                        delegate: grid.delegate
                    }
                }
            }
        }
    }
}
