import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The platform's switch with its label at the leading edge: a 51 × 31 track, tinted when on.
//   checked: bool; tint: color (pink); contentItem: the label; toggled(): the user flipped it
//   text: the switch's name for a screen reader (contentItem draws the label); the texts of the
//   label that a screen reader sees describe it. (Qt 6.4 gives a switch a second `Accessible`,
//   which the kit reads: an `Accessible.name` or `.description` set on a switch is not seen.)
//   readonly settled: the knob is at rest
T.Switch {
    id: control

    property color tint: Theme.tarPink
    readonly property bool settled: !trackAnimation.running && !knobAnimation.running

    implicitWidth: leftPadding + implicitContentWidth + spacing + indicator.width + rightPadding
    implicitHeight: Math.max(implicitContentHeight, indicator.height) + topPadding + bottomPadding
    padding: 0
    spacing: 12

    indicator: Rectangle {
        x: control.width - width - control.rightPadding
        y: (control.height - height) / 2
        width: 51
        height: 31
        radius: 15.5
        color: control.checked ? control.tint : Theme.secondarySystemFill

        Behavior on color {
            ColorAnimation { id: trackAnimation; duration: 200; easing.type: Easing.OutCubic }
        }

        Rectangle {
            x: control.checked ? parent.width - width - 2 : 2
            y: 2
            width: 27
            height: 27
            radius: 13.5
            color: Theme.white
            border.width: 0.5
            border.color: Theme.withOpacity(Theme.black, 0.04)

            Behavior on x {
                NumberAnimation { id: knobAnimation; duration: 200; easing.type: Easing.OutCubic }
            }
        }
    }
}
