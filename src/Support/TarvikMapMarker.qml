import QtQuick
import QtQuick.Shapes
import Tarvik.Design

// The office's pin: a pink drop with a white disc in its head and a small dot under its tip,
// 60 × 68. The coordinate it marks lies at (0.5, 0.9) of its box, inside the dot. Decoration on
// the map, which is named with the address: assistive technology does not see it.
Item {
    id: marker

    implicitWidth: 60
    implicitHeight: 68
    // The pin's outline in its 60 × 68 design box, scaled to the item.
    component Pin: Shape {
        id: pin

        property color fill: Theme.tarPink
        readonly property real sx: width / 60
        readonly property real sy: height / 68

        ShapePath {
            fillColor: pin.fill
            strokeWidth: -1

            startX: 30 * pin.sx; startY: 57 * pin.sy
            PathCubic { x: 25.2 * pin.sx; y: 50.4 * pin.sy; control1X: 29.8 * pin.sx; control1Y: 53.7 * pin.sy; control2X: 28.3 * pin.sx; control2Y: 51.5 * pin.sy }
            PathCubic { x: 7 * pin.sx; y: 28 * pin.sy; control1X: 14.5 * pin.sx; control1Y: 47.9 * pin.sy; control2X: 7 * pin.sx; control2Y: 38.9 * pin.sy }
            PathCubic { x: 30 * pin.sx; y: 5 * pin.sy; control1X: 7 * pin.sx; control1Y: 15.3 * pin.sy; control2X: 17.3 * pin.sx; control2Y: 5 * pin.sy }
            PathCubic { x: 53 * pin.sx; y: 28 * pin.sy; control1X: 42.7 * pin.sx; control1Y: 5 * pin.sy; control2X: 53 * pin.sx; control2Y: 15.3 * pin.sy }
            PathCubic { x: 34.8 * pin.sx; y: 50.4 * pin.sy; control1X: 53 * pin.sx; control1Y: 38.9 * pin.sy; control2X: 45.5 * pin.sx; control2Y: 47.9 * pin.sy }
            PathCubic { x: 30 * pin.sx; y: 57 * pin.sy; control1X: 31.7 * pin.sx; control1Y: 51.5 * pin.sy; control2X: 30.2 * pin.sx; control2Y: 53.7 * pin.sy }
            // The dot under the tip, in the rectangle (26, 60, 8, 8).
            PathMove { x: 34 * pin.sx; y: 64 * pin.sy }
            PathArc { x: 26 * pin.sx; y: 64 * pin.sy; radiusX: 4 * pin.sx; radiusY: 4 * pin.sy }
            PathArc { x: 34 * pin.sx; y: 64 * pin.sy; radiusX: 4 * pin.sx; radiusY: 4 * pin.sy }
        }
    }

    // Shadow: the same outline in ink, lower and faint (a drawn shape, not a per-pixel blur).
    Pin {
        y: 6
        width: marker.width
        height: marker.height
        fill: Theme.withOpacity(Theme.tarInk, 0.12)
        scale: 1.04
    }

    Pin {
        width: marker.width
        height: marker.height
    }

    Rectangle {
        x: (marker.width - width) / 2
        y: 14 * marker.height / 68
        width: 28
        height: 28
        radius: 14
        color: Theme.white
    }
}
