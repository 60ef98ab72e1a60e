import QtQuick
import QtQuick.Layouts
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

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.leftMargin: 28
        anchors.rightMargin: 28
        spacing: 0
        scale: 0.985
        opacity: 0.7

        BrandMark {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: Math.max(view.topInset + 8, 18)
        }

        Item {
            Layout.fillHeight: true
        }

        StyledText {
            id: greetingText

            objectName: "greeting"
            Layout.fillWidth: true
            Layout.preferredHeight: implicitHeight
            text: view.greeting + ",\n" + view.name + "!"
            size: 52
            weight: Font.Black
            tracking: -2
            color: Theme.tarInk
            lineHeight: 0.92
            maximumLineCount: 3
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(52 * 0.68)
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
            Accessible.name: view.greeting.replace("\n", " ") + ", " + view.name
        }

        Item {
            Layout.fillHeight: true
        }

        PixelHeart {
            id: heart

            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 24
            Layout.preferredHeight: 24
            Layout.bottomMargin: Math.max(view.bottomInset + 20, 28)
            color: Theme.tarPink
            opacity: 0.34
        }
    }

    // The content breathes (scale, opacity and the heart together) until the screen goes away.
    SequentialAnimation {
        running: true
        loops: Animation.Infinite

        ParallelAnimation {
            NumberAnimation { target: column; property: "scale"; to: 1.0; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: column; property: "opacity"; to: 1.0; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: heart; property: "opacity"; to: 1.0; duration: 900; easing.type: Easing.InOutQuad }
        }
        ParallelAnimation {
            NumberAnimation { target: column; property: "scale"; to: 0.985; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: column; property: "opacity"; to: 0.7; duration: 900; easing.type: Easing.InOutQuad }
            NumberAnimation { target: heart; property: "opacity"; to: 0.34; duration: 900; easing.type: Easing.InOutQuad }
        }
    }
}
