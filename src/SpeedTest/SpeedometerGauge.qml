pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Shapes
import Tarvik.Design
import Tarvik.SpeedTest

// The speed test's dial: a 270° arc open at the bottom, logarithmic from 0 to 1000 Mbit/s, with
// the glowing progress arc, nine scale labels, the needle and, in the gap, the speed with two
// decimals, the unit and the phase text. The dial is the largest square that fits, centred.
//   value: Mbit/s (0 when nothing is measured); tint: colour; status: string
Item {
    id: gauge

    property real value: 0
    property color tint: "#45E8E2"
    property string status

    readonly property real side: Math.min(width, height)
    readonly property real fraction: SpeedometerScale.fraction(value)
    readonly property int litIndex: SpeedometerScale.litTickIndex(value)
    // What is drawn: they follow the value with the arc's ease-out and the needle's spring.
    property real shownFraction: fraction
    property real needleAngle: SpeedometerScale.needleAngle(value)

    Behavior on shownFraction {
        NumberAnimation { duration: 650; easing.type: Easing.OutCubic }
    }
    Behavior on needleAngle {
        SpringAnimation { spring: 3.5; damping: 0.32; epsilon: 0.1 }
    }

    implicitWidth: 286
    implicitHeight: 286
    // Read as what it shows in its gap: the speed and the phase.
    Accessible.role: Accessible.StaticText
    Accessible.name: SpeedometerScale.gaugeValue(value) + " Мбит/с" + (status.length > 0 ? ", " + status : "")

    Item {
        id: dial

        objectName: "dial"
        x: (gauge.width - gauge.side) / 2
        y: (gauge.height - gauge.side) / 2
        width: gauge.side
        height: gauge.side

        readonly property real radius: gauge.side / 2 - 9

        // Arcs start at the lower left (135° from three o'clock) and run clockwise.
        component Arc: ShapePath {
            id: arcPath

            property real sweep: 270
            property alias arcRadius: arc.radiusX

            fillColor: "transparent"
            capStyle: ShapePath.FlatCap

            PathAngleArc {
                id: arc
                centerX: dial.width / 2
                centerY: dial.height / 2
                radiusY: radiusX
                startAngle: 135
                sweepAngle: arcPath.sweep
            }
        }

        Shape {
            anchors.fill: parent

            Arc {
                arcRadius: dial.radius
                strokeWidth: 18
                strokeColor: Qt.rgba(35 / 255, 48 / 255, 83 / 255, 1)
            }
            // The glow: wider, fainter strokes under the progress arc.
            Arc {
                arcRadius: dial.radius
                sweep: 270 * gauge.shownFraction
                strokeWidth: 34
                strokeColor: gauge.shownFraction > 0 ? Theme.withOpacity(gauge.tint, 0.1) : "transparent"
            }
            Arc {
                arcRadius: dial.radius
                sweep: 270 * gauge.shownFraction
                strokeWidth: 26
                strokeColor: gauge.shownFraction > 0 ? Theme.withOpacity(gauge.tint, 0.18) : "transparent"
            }
            Arc {
                arcRadius: dial.radius
                sweep: 270 * gauge.shownFraction
                strokeWidth: 18
                strokeColor: gauge.shownFraction > 0 ? gauge.tint : "transparent"
            }
        }

        Repeater {
            model: SpeedometerScale.tickCount

            StyledText {
                id: tick

                required property int index
                readonly property point centre: SpeedometerScale.tickPosition(tick.index, dial.width)

                objectName: "tickLabel"
                x: tick.centre.x - width / 2
                y: tick.centre.y - height / 2
                text: SpeedometerScale.tickLabel(tick.index)
                textStyle: Theme.Caption2
                weight: Font.DemiBold
                color: Theme.withOpacity(Theme.white, tick.index <= gauge.litIndex ? 0.9 : 0.22)
                Accessible.ignored: true
            }
        }

        // The needle stands on the dial's centre and turns about it.
        Item {
            objectName: "needle"
            x: dial.width / 2 - 9
            y: dial.height / 2 - dial.width * 0.29
            width: 18
            height: dial.width * 0.29
            transformOrigin: Item.Bottom
            rotation: gauge.needleAngle

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 18
                height: parent.height + 4
                y: -4
                radius: 9
                color: Theme.withOpacity(gauge.tint, 0.16)
            }

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 10
                height: parent.height
                radius: 5
                gradient: Gradient {
                    GradientStop { position: 0; color: Theme.white }
                    GradientStop { position: 1; color: Theme.withOpacity(Theme.white, 0.08) }
                }
            }
        }

        Column {
            id: centre

            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: dial.width * 0.05
            spacing: 4

            StyledText {
                id: figure

                // How far below the dial's centre the figure's digits begin.
                readonly property real digitsTop: centre.y + figureMetrics.ascent + figureMetrics.tightBoundingRect("0").y - dial.height / 2
                // The needle never enters the 90° gap at the bottom of the dial: digits whose
                // corners stay in it, clear of the needle's body (5 to each side), are never crossed.
                readonly property real gapWidth: 2 * (digitsTop - 5 * Math.SQRT2)

                objectName: "gaugeValue"
                anchors.horizontalCenter: parent.horizontalCenter
                // Between the "0" and "1k" labels and under the needle; a long figure shrinks
                // rather than meeting either.
                width: Math.max(0, Math.min(implicitWidth, dial.width * 0.4, gapWidth))
                // The figure's line keeps its height when it shrinks, so the column stays put.
                height: figureMetrics.height
                horizontalAlignment: Text.AlignHCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 20
                text: SpeedometerScale.gaugeValue(gauge.value)
                size: 40
                weight: Font.Light
                rounded: true
                color: Theme.white
                Accessible.ignored: true

                FontMetrics {
                    id: figureMetrics
                    font: figure.font
                }
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 4

                SymbolImage {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "arrow.down.circle"
                    size: Theme.textStyleSize(Theme.Caption)
                    color: gauge.tint
                }

                StyledText {
                    objectName: "gaugeUnit"
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Мбит/с"
                    textStyle: Theme.Caption
                    color: gauge.tint
                    Accessible.ignored: true
                }
            }

            StyledText {
                objectName: "gaugeStatus"
                anchors.horizontalCenter: parent.horizontalCenter
                text: gauge.status
                textStyle: Theme.Caption2
                color: Theme.withOpacity(Theme.white, 0.5)
                Accessible.ignored: true
            }
        }
    }
}
