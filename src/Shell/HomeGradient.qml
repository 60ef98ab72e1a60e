import QtQuick
import QtQuick.Shapes

// The home dashboard's dark backdrop: a gradient from the top-leading to the bottom-trailing
// corner through black and two near-blacks, over the item's own rectangle.
Shape {
    id: backdrop

    ShapePath {
        strokeWidth: -1
        fillGradient: LinearGradient {
            x1: 0
            y1: 0
            x2: backdrop.width
            y2: backdrop.height
            GradientStop { position: 0; color: "black" }
            GradientStop { position: 0.5; color: Qt.rgba(0.03, 0.03, 0.04, 1) }
            GradientStop { position: 1; color: Qt.rgba(0.08, 0.08, 0.10, 1) }
        }
        startX: 0
        startY: 0
        PathLine { x: backdrop.width; y: 0 }
        PathLine { x: backdrop.width; y: backdrop.height }
        PathLine { x: 0; y: backdrop.height }
        PathLine { x: 0; y: 0 }
    }
}
