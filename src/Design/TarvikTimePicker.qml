import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The app's one time field, the twin of TarvikDatePicker: `label` at the leading edge and the
// chosen time ("HH:mm") in a grey capsule at the trailing edge; a tap on the capsule opens two
// wheels, hours 00-23 and minutes 00-59, over the window, with no limits. Every change of a wheel
// (a flick that comes to rest or a tap on a value) reports at once; "Готово", Escape or a tap
// outside closes the wheels. The picker never changes `date` itself: bind `date` to the form's
// value and write it back in `onPicked`.
//   required label: string
//   date: the shown time (a JS Date; its day is kept), now by default
//   picked(date): a time was chosen (a new Date: `date`'s day, the chosen hour and minute, 0 s)
//   open(), close(): the wheels; readonly wheelsOpen: bool
// Test hooks (objectName): "timeButton", "timePopup", "hourWheel", "minuteWheel", "doneButton";
// choose(hour, minute) does what turning both wheels does.
Rectangle {
    id: picker

    required property string label
    property date date: new Date()
    readonly property alias wheelsOpen: wheels.opened
    readonly property var locale: Qt.locale("ru_RU")

    signal picked(date date)

    function open() {
        hourWheel.currentIndex = picker.date.getHours()
        minuteWheel.currentIndex = picker.date.getMinutes()
        hourWheel.positionViewAtIndex(hourWheel.currentIndex, ListView.Center)
        minuteWheel.positionViewAtIndex(minuteWheel.currentIndex, ListView.Center)
        wheels.open()
    }

    function close() {
        wheels.close()
    }

    function choose(hour, minute) {
        const chosen = new Date(picker.date.getTime())
        chosen.setHours(hour, minute, 0, 0)
        picker.picked(chosen)
    }

    function twoDigits(value) {
        return (value < 10 ? "0" : "") + value
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
            id: timeButton

            objectName: "timeButton"
            buttonStyle: TarvikButton.Plain
            text: picker.date.toLocaleTimeString(picker.locale, "HH:mm")
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
                text: timeButton.text
                size: 15
                weight: Font.DemiBold
                rounded: true
                color: picker.wheelsOpen ? Theme.tarPink : Theme.tarInk
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                opacity: timeButton.down ? 0.45 : 1
                Accessible.ignored: true
            }
        }
    }

    // One wheel: the value in the middle band is the chosen one.
    component Wheel: ListView {
        id: wheel

        required property int valueCount
        required property string unitName
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
        Accessible.name: wheel.unitName
        onMovementEnded: wheel.chosen()

        delegate: Component {
            T.AbstractButton {
                id: cell

                required property int index

                width: ListView.view.width
                height: wheel.rowHeight
                text: picker.twoDigits(index)
                Accessible.name: index + " " + wheel.unitName
                onClicked: {
                    wheel.currentIndex = index
                    wheel.chosen()
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

    T.Popup {
        id: wheels

        objectName: "timePopup"
        parent: T.Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(300, parent ? parent.width - 32 : 300)
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

                StyledText {
                    Layout.fillWidth: true
                    Layout.leftMargin: 6
                    text: picker.label
                    textStyle: Theme.Headline
                    color: Theme.label
                    elide: Text.ElideRight
                }

                TarvikButton {
                    objectName: "doneButton"
                    buttonStyle: TarvikButton.Plain
                    text: "Готово"
                    onClicked: wheels.close()

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
                        unitName: "часов"
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
                        unitName: "минут"
                        onChosen: picker.choose(hourWheel.currentIndex, minuteWheel.currentIndex)
                    }
                }
            }
        }
    }
}
