import QtQuick
import Qt5Compat.GraphicalEffects

// What MaterialPanel blurs: the part of its backdrop behind the panel, rounded like the panel.
Item {
    id: blur

    property MaterialPanel panel: null
    readonly property Item backdrop: panel ? panel.backdrop : null

    ShaderEffectSource {
        id: behind

        anchors.fill: parent
        visible: false
        sourceItem: blur.backdrop
        live: true
        sourceRect: blur.backdrop ? blur.mapToItem(blur.backdrop, 0, 0, blur.width, blur.height) : Qt.rect(0, 0, 0, 0)
    }

    FastBlur {
        id: blurred

        anchors.fill: parent
        source: behind
        radius: 48
        visible: false
    }

    Rectangle {
        id: shape

        anchors.fill: parent
        radius: blur.panel ? blur.panel.radius : 0
        visible: false
    }

    OpacityMask {
        anchors.fill: parent
        source: blurred
        maskSource: shape
    }
}
