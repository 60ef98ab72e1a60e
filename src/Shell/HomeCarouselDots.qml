pragma ComponentBehavior: Bound
import QtQuick
import Tarvik.Design

// The two page dots under a home carousel: the dot of the shown page's kind (even: 0, odd: 1)
// is a wide pink capsule, the other a small grey one; changes animate.
//   index: int (the carousel's current index)
Item {
    id: dots

    property int index: 0

    implicitWidth: row.implicitWidth
    implicitHeight: 7

    Row {
        id: row

        anchors.centerIn: parent
        spacing: 6

        Repeater {
            model: 2

            Rectangle {
                required property int index
                readonly property bool selected: dots.index % 2 === index

                objectName: "dot" + index
                width: selected ? 18 : 7
                height: 7
                radius: 3.5
                color: selected ? Theme.tarPink : Theme.withOpacity(Theme.tarInk, 0.14)

                Behavior on width {
                    NumberAnimation { duration: 220; easing.type: Easing.InOutQuad }
                }
                Behavior on color {
                    ColorAnimation { duration: 220; easing.type: Easing.InOutQuad }
                }
            }
        }
    }
}
