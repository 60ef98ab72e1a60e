import QtQuick
import Tarvik.Design
import Tarvik.Platform

// The animated brand background of the signed-out screens: paper with two blurred glows. A tap
// that reaches it (place it under the content) moves to the next of three palettes, animated,
// and plays one light haptic. A scroll view laid over it takes the taps itself: give it a
// TapHandler that calls cyclePalette(). Assistive technology sees one button, "Сменить цвет фона",
// that does what a tap does; it takes no focus, so Tab goes past it from field to field.
//   reduceMotion: bool (the desktop's preference) — a short ease-out instead of the spring
//   paletteIndex: int, read-only in practice (starts at 0); cyclePalette(): what a tap does
Item {
    id: root

    property bool reduceMotion: MotionPreference.reduceMotion
    property int paletteIndex: 0
    readonly property var palettes: [
        [Theme.withOpacity(Theme.tarPink, 0.24), Theme.withOpacity(Theme.tarOrange, 0.18)],
        [Qt.rgba(0.48, 0.34, 1.0, 0.22), Theme.withOpacity(Theme.tarPink, 0.2)],
        [Qt.rgba(0.15, 0.68, 0.94, 0.2), Qt.rgba(1.0, 0.72, 0.25, 0.18)]
    ]
    readonly property int paletteAnimationDuration: reduceMotion ? 150 : 450
    // How many palettes' glows have been made: the first at once, the others when first shown.
    property int madePalettes: 1

    function cyclePalette() {
        const next = (paletteIndex + 1) % palettes.length
        madePalettes = Math.max(madePalettes, next + 1)
        paletteIndex = next
        Haptics.play(Haptics.ImpactLight)
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.tarPaper
    }

    // A palette's two glows. Each palette's are made and drawn once, when first shown; a change of
    // palette fades from one pair to the next, which the renderer does without drawing them again.
    component Glows: Item {
        id: glows

        required property var colors
        required property bool shown
        required property int fadeDuration
        required property var fadeEasing

        anchors.fill: parent
        opacity: shown ? 1 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: glows.fadeDuration; easing: glows.fadeEasing } }

        SoftRectangle {
            width: 330 + 2 * overhang
            height: width
            x: (glows.width - width) / 2 + 160
            y: (glows.height - height) / 2 - 280
            radius: 165
            blur: 45
            color: glows.colors[0]
        }

        SoftRectangle {
            width: 280 + 2 * overhang
            height: width
            x: (glows.width - width) / 2 - 170
            y: (glows.height - height) / 2 + 330
            radius: 140
            blur: 50
            color: glows.colors[1]
        }
    }

    Glows {
        colors: root.palettes[0]
        shown: root.paletteIndex === 0
        fadeDuration: root.paletteAnimationDuration
        fadeEasing: paletteEasing.easing
    }

    // The other palettes' glows are made on the first tap that shows them, before they fade in.
    // qmllint disable unqualified
    Loader {
        anchors.fill: parent
        active: root.madePalettes > 1 || root.paletteIndex === 1
        sourceComponent: Glows {
            colors: root.palettes[1]
            shown: root.paletteIndex === 1
            fadeDuration: root.paletteAnimationDuration
            fadeEasing: paletteEasing.easing
        }
    }

    Loader {
        anchors.fill: parent
        active: root.madePalettes > 2 || root.paletteIndex === 2
        sourceComponent: Glows {
            colors: root.palettes[2]
            shown: root.paletteIndex === 2
            fadeDuration: root.paletteAnimationDuration
            fadeEasing: paletteEasing.easing
        }
    }
    // qmllint enable unqualified

    PropertyAnimation {
        id: paletteEasing
        // Ease-out with reduce motion; otherwise the curve of a critically damped spring.
        easing.type: root.reduceMotion ? Easing.OutQuad : Easing.BezierSpline
        easing.bezierCurve: [0.25, 0.2, 0.2, 0.95, 1, 1]
    }

    MouseArea {
        anchors.fill: parent
        Accessible.role: Accessible.Button
        Accessible.name: "Сменить цвет фона"
        Accessible.focusable: false
        Accessible.onPressAction: root.cyclePalette()
        onClicked: root.cyclePalette()
    }
}
