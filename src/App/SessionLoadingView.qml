import QtQuick
import Tarvik.Design
import Tarvik.App

// The first screen of every launch: a greeting by the time of day and the cached first name over
// the brand background, breathing gently until start-up has finished.
Item {
    id: view

    required property string firstName
    // Insets of the device's unsafe edges (none on a desktop window).
    property real topInset: 0
    property real bottomInset: 0

    readonly property string greeting: TarvikApp.greeting(new Date().getHours())
    readonly property string name: TarvikApp.greetingName(firstName)

    TarvikBackground {
        anchors.fill: parent
    }

    // Plain anchors rather than a layout: this screen is the first frame, and the layouts module
    // need not load for it.
    Item {
        id: column

        anchors.fill: parent
        anchors.leftMargin: 28
        anchors.rightMargin: 28
        scale: 0.985

        // How strongly the content shows (0.7 to 1 as it breathes). Its text takes it as the
        // alpha of its colour rather than as opacity: the software renderer draws text of an
        // opaque item far faster, and Qt Quick applies opacity to each piece alike.
        property real strength: 0.7

        BrandMark {
            id: brand

            strength: column.strength

            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            anchors.topMargin: Math.max(view.topInset + 8, 18)
        }

        // The room between the brand mark and the heart; the greeting sits in its middle.
        Item {
            id: middle

            anchors.top: brand.bottom
            anchors.bottom: heart.top
            width: parent.width
        }

        // The text at full size, to measure its widest line.
        StyledText {
            id: fullSize

            visible: false
            text: greetingText.text
            size: 52
            weight: Font.Black
            tracking: -2
            lineHeight: 0.92
        }

        // Shrinks to fit its widest line, down to 0.68 of its size; past that the name wraps and
        // the third line ends in an ellipsis.
        StyledText {
            id: greetingText

            objectName: "greeting"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: middle.verticalCenter
            text: view.greeting + ",\n" + view.name + "!"
            // Full size until laid out: most greetings keep it.
            size: width > 0 ? 52 * Math.max(0.68, Math.min(1, width / Math.max(1, fullSize.implicitWidth))) : 52
            weight: Font.Black
            tracking: -2 * size / 52
            color: Theme.withOpacity(Theme.tarInk, column.strength)
            lineHeight: 0.92
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            maximumLineCount: 3
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
            Accessible.name: view.greeting.replace("\n", " ") + ", " + view.name
        }

        PixelHeart {
            id: heart

            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Math.max(view.bottomInset + 20, 28)
            width: 24
            height: 24
            color: Theme.tarPink
            opacity: level * column.strength

            property real level: 0.34
        }
    }

    // The content breathes (scale, opacity and the heart together) until the screen goes away.
    SequentialAnimation {
        running: true
        loops: Animation.Infinite

        ParallelAnimation {
            NumberAnimation { target: column; property: "scale"; to: 1.0; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: column; property: "strength"; to: 1.0; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: heart; property: "level"; to: 1.0; duration: 900; easing.type: Easing.InOutQuad }
        }
        ParallelAnimation {
            NumberAnimation { target: column; property: "scale"; to: 0.985; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: column; property: "strength"; to: 0.7; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: heart; property: "level"; to: 0.34; duration: 900; easing.type: Easing.InOutQuad }
        }
    }
}
