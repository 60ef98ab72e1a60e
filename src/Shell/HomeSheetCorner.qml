import QtQuick
import QtQuick.Shapes

// One rounded top corner of the home sheet, drawn as the square corner minus its quarter circle
// in the header's gradient, laid over whatever scrolls beneath. The gradient is placed as the
// header's: the header spans backdropWidth × backdropHeight from the parent's origin.
//   mirrored: bool (false: top-left corner; true: top-right); radius: real (28)
Shape {
    id: corner

    property bool mirrored: false
    property real radius: 28
    property real backdropWidth: 0
    property real backdropHeight: 0

    width: radius
    height: radius

    ShapePath {
        strokeWidth: -1
        fillGradient: LinearGradient {
            x1: -corner.x
            y1: -corner.y
            x2: corner.backdropWidth - corner.x
            y2: corner.backdropHeight - corner.y
            GradientStop { position: 0; color: "black" }
            GradientStop { position: 0.5; color: Qt.rgba(0.03, 0.03, 0.04, 1) }
            GradientStop { position: 1; color: Qt.rgba(0.08, 0.08, 0.10, 1) }
        }
        // The outer corner point, along one edge, round the quarter circle, back to the corner.
        startX: corner.mirrored ? corner.radius : 0
        startY: 0
        PathLine { x: corner.mirrored ? 0 : corner.radius; y: 0 }
        PathArc {
            x: corner.mirrored ? corner.radius : 0
            y: corner.radius
            radiusX: corner.radius
            radiusY: corner.radius
            direction: corner.mirrored ? PathArc.Clockwise : PathArc.Counterclockwise
        }
        PathLine { x: corner.mirrored ? corner.radius : 0; y: 0 }
    }
}
