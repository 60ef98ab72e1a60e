pragma ComponentBehavior: Bound
import QtQuick
import Tarvik.Design

// The assistant is typing: three dots in a white bubble on the assistant's side, the lit dot
// walking 0, 1, 2, 0, … one step every 0.32 s while it runs, from the first dot each time it
// starts. Run it only while it shows and its screen is on top: its steps redraw the window.
//   running: bool; phase: index of the lit dot (the indicator steps it)
Item {
    id: indicator

    property bool running: true
    property int phase: 0

    implicitWidth: bubble.width + 52
    implicitHeight: bubble.height
    Accessible.role: Accessible.StaticText
    Accessible.name: "Поддержка печатает"

    onRunningChanged: if (running) phase = 0

    Timer {
        interval: 320
        repeat: true
        running: indicator.running
        onTriggered: indicator.phase = (indicator.phase + 1) % 3
    }

    Rectangle {
        id: bubble

        width: dots.implicitWidth + 30
        height: dots.implicitHeight + 24
        radius: 18
        color: Theme.white

        Row {
            id: dots

            anchors.centerIn: parent
            spacing: 5

            Repeater {
                model: 3

                Rectangle {
                    id: dot

                    required property int index
                    readonly property bool lit: indicator.phase === dot.index

                    objectName: "typingDot" + dot.index
                    width: 7
                    height: 7
                    radius: 3.5
                    color: Theme.tarPink
                    opacity: lit ? 1 : 0.32
                    scale: lit ? 1.18 : 0.86

                    Behavior on opacity {
                        NumberAnimation { duration: 280; easing.type: Easing.InOutQuad }
                    }
                    Behavior on scale {
                        NumberAnimation { duration: 280; easing.type: Easing.InOutQuad }
                    }
                }
            }
        }
    }
}
