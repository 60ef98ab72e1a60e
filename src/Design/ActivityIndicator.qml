pragma ComponentBehavior: Bound
import QtQuick
import Tarvik.Design

// The platform's indeterminate progress indicator: eight spokes turning in steps.
//   color (Theme.secondaryLabel; white on a filled button); running: bool (true)
Item {
    id: indicator

    property color color: Theme.secondaryLabel
    property bool running: true
    property int step: 0

    implicitWidth: 20
    implicitHeight: 20
    Accessible.role: Accessible.ProgressBar
    Accessible.name: "Загрузка"

    Repeater {
        model: 8

        Rectangle {
            id: spoke

            required property int index
            x: (indicator.width - width) / 2
            y: 0
            width: Math.max(2, indicator.width * 0.11)
            height: indicator.height * 0.3
            radius: width / 2
            color: indicator.color
            opacity: 1 - ((indicator.step - index + 8) % 8) * 0.1
            transform: Rotation {
                origin.x: spoke.width / 2
                origin.y: indicator.height / 2
                angle: spoke.index * 45
            }
        }
    }

    Timer {
        interval: 100
        repeat: true
        running: indicator.running && indicator.visible
        onTriggered: indicator.step = (indicator.step + 1) % 8
    }
}
