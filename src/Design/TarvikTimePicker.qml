pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design

// The app's one time field, the twin of TarvikDatePicker: a PickerField showing the chosen time
// ("HH:mm") that opens two wheels, hours 00-23 and minutes 00-59, with no limits. Every change of
// a wheel (a flick that comes to rest, a tap on a value, an arrow key) reports at once; "Готово",
// Return, Enter, Space or a tap outside closes the wheels with that time, and Escape closes them
// with the time they opened on. The focus opens on the hour; Up and Down turn the wheel that has
// it, Left and Right go from one wheel to the other. The picker never changes `date` itself: bind
// `date` to the form's value and write it back in `onPicked`.
//   required label: string
//   date: the shown time (a JS Date; its day is kept), now by default
//   picked(date): a time was chosen (a new Date: `date`'s day, the chosen hour and minute, 0 s),
//       or Escape took it back (the Date `date` was when the wheels opened)
//   open(), close(): the wheels; readonly wheelsOpen: bool
// Test hooks (objectName): "timeButton", "timePopup", "hourWheel", "minuteWheel", "doneButton";
// choose(hour, minute) does what turning both wheels does.
PickerField {
    id: picker

    property date date: new Date()
    readonly property alias wheelsOpen: picker.popupOpen
    readonly property var locale: Qt.locale("ru_RU")
    // Internal state.
    // The time the wheels opened on, and whether a wheel has reported since.
    property date openedOn: new Date()
    property bool changedSinceOpen: false

    signal picked(date date)

    function choose(hour, minute) {
        const chosen = new Date(picker.date.getTime())
        chosen.setHours(hour, minute, 0, 0)
        picker.changedSinceOpen = true
        picker.picked(chosen)
    }

    // The keyboard's choice: the time on the wheels, and they close.
    function take() {
        picker.choose(hourWheel.currentIndex, minuteWheel.currentIndex)
        picker.close()
    }

    function twoDigits(value) {
        return (value < 10 ? "0" : "") + value
    }

    value: date.toLocaleTimeString(locale, "HH:mm")
    cardWidth: 300
    button.objectName: "timeButton"
    popup.objectName: "timePopup"
    initialFocus: hourWheel.currentItem

    onAboutToOpen: {
        openedOn = new Date(picker.date.getTime())
        changedSinceOpen = false
        hourWheel.currentIndex = picker.date.getHours()
        minuteWheel.currentIndex = picker.date.getMinutes()
        hourWheel.positionViewAtIndex(hourWheel.currentIndex, ListView.Center)
        minuteWheel.positionViewAtIndex(minuteWheel.currentIndex, ListView.Center)
    }
    onCancelled: {
        if (changedSinceOpen)
            picker.picked(new Date(openedOn.getTime()))
    }

    // One wheel: the value in the middle band is the chosen one.
    component Wheel: ListView {
        id: wheel

        required property int valueCount
        // The unit's forms after one, two and five of it ("час", "часа", "часов").
        required property var unitForms
        required property ListView otherWheel
        readonly property real rowHeight: 36

        signal chosen()

        implicitWidth: 72
        implicitHeight: rowHeight * 5
        clip: true
        model: wheel.valueCount
        snapMode: ListView.SnapToItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        preferredHighlightBegin: rowHeight * 2
        preferredHighlightEnd: rowHeight * 3
        highlightMoveDuration: 120
        boundsBehavior: Flickable.StopAtBounds
        Accessible.role: Accessible.List
        onMovementEnded: wheel.chosen()
        // The keyboard turns the wheel (the list's own Up and Down) and the focus stays on the value.
        onCurrentIndexChanged: {
            if (!activeFocus || !currentItem)
                return
            currentItem.forceActiveFocus(Qt.TabFocusReason)
            wheel.chosen()
        }
        Keys.onLeftPressed: otherWheel.currentItem.forceActiveFocus(Qt.TabFocusReason)
        Keys.onRightPressed: otherWheel.currentItem.forceActiveFocus(Qt.TabFocusReason)
        // One stop of the Tab order, which goes on to the value.
        activeFocusOnTab: true
        onActiveFocusChanged: if (activeFocus && Window.activeFocusItem === wheel && currentItem) currentItem.forceActiveFocus(Qt.TabFocusReason)

        delegate: Component {
            T.AbstractButton {
                id: cell

                required property int index

                width: ListView.view.width
                height: wheel.rowHeight
                focusPolicy: Qt.NoFocus
                text: picker.twoDigits(index)
                Accessible.name: RussianPlural.count(index, wheel.unitForms[0], wheel.unitForms[1], wheel.unitForms[2])
                Accessible.selectable: true
                Accessible.selected: ListView.isCurrentItem
                // Return and Enter come as Space (ReturnKeyPress).
                Keys.onSpacePressed: picker.take()
                onClicked: {
                    wheel.currentIndex = index
                    wheel.chosen()
                }

                background: Rectangle {
                    visible: cell.activeFocus
                    radius: 8
                    color: "transparent"
                    border.width: 2
                    border.color: Theme.tarPink
                }

                contentItem: StyledText {
                    text: cell.text
                    size: 21
                    weight: cell.ListView.isCurrentItem ? Font.DemiBold : Font.Normal
                    rounded: true
                    color: cell.ListView.isCurrentItem ? Theme.tarInk : Theme.tertiaryLabel
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    Accessible.ignored: true
                }
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true

        StyledText {
            Layout.fillWidth: true
            Layout.leftMargin: 6
            text: picker.label
            textStyle: Theme.Headline
            color: Theme.label
            elide: Text.ElideRight
            // The dialog's name already.
            Accessible.ignored: true
        }

        TarvikButton {
            objectName: "doneButton"
            buttonStyle: TarvikButton.Plain
            text: "Готово"
            onClicked: picker.close()

            contentItem: StyledText {
                leftPadding: 8
                rightPadding: 8
                text: "Готово"
                textStyle: Theme.Headline
                color: Theme.tarPink
                verticalAlignment: Text.AlignVCenter
                Accessible.ignored: true
            }
        }
    }

    Item {
        Layout.fillWidth: true
        implicitHeight: hourWheel.implicitHeight

        // The band of the chosen values.
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            height: hourWheel.rowHeight
            radius: 8
            color: Theme.tertiarySystemFill
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            height: parent.height
            spacing: 6

            Wheel {
                id: hourWheel

                objectName: "hourWheel"
                valueCount: 24
                unitForms: ["час", "часа", "часов"]
                Accessible.name: "Часы"
                otherWheel: minuteWheel
                onChosen: picker.choose(hourWheel.currentIndex, minuteWheel.currentIndex)
            }

            StyledText {
                anchors.verticalCenter: parent.verticalCenter
                text: ":"
                size: 21
                weight: Font.DemiBold
                color: Theme.tarInk
                Accessible.ignored: true
            }

            Wheel {
                id: minuteWheel

                objectName: "minuteWheel"
                valueCount: 60
                unitForms: ["минута", "минуты", "минут"]
                Accessible.name: "Минуты"
                otherWheel: hourWheel
                onChosen: picker.choose(hourWheel.currentIndex, minuteWheel.currentIndex)
            }
        }
    }
}
