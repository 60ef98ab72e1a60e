pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The speed test's round button: two rings in the tint (the inner one glowing) around the title.
// Only the disc reacts to taps.
//   required title: string; diameter: real (238); tint: colour; clicked(): the action
T.AbstractButton {
    id: orb

    property real diameter: 238
    property color tint: "#45E8E2"
    required property string title

    implicitWidth: diameter
    implicitHeight: diameter
    text: title
    Accessible.name: title + " проверку скорости"
    containmentMask: QtObject {
        function contains(point: point): bool {
            const dx = point.x - orb.width / 2
            const dy = point.y - orb.height / 2
            return dx * dx + dy * dy <= orb.diameter * orb.diameter / 4
        }
    }

    background: Item {
        Rectangle {
            anchors.centerIn: parent
            width: orb.diameter
            height: width
            radius: width / 2
            color: "transparent"
            border.width: 2
            border.color: Theme.withOpacity(orb.tint, 0.38)
        }

        // The inner ring's glow: wider, fainter rings under it.
        Repeater {
            model: [{ width: 14, opacity: 0.07 }, { width: 8, opacity: 0.14 }]

            Rectangle {
                required property var modelData
                anchors.centerIn: parent
                width: orb.diameter * 0.84 + modelData.width - 2
                height: width
                radius: width / 2
                color: "transparent"
                border.width: modelData.width
                border.color: Theme.withOpacity(orb.tint, modelData.opacity)
            }
        }

        Rectangle {
            anchors.centerIn: parent
            width: orb.diameter * 0.84
            height: width
            radius: width / 2
            color: orb.down ? Theme.withOpacity(orb.tint, 0.12) : "transparent"
            border.width: 2
            border.color: orb.tint
        }
    }

    contentItem: StyledText {
        text: orb.title
        size: orb.diameter > 180 ? 38 : 15
        weight: Font.Medium
        rounded: true
        color: Theme.white
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        Accessible.ignored: true
    }
}
