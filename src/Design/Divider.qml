import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The hairline between the rows of a card, from `indent` to the trailing edge: one device pixel
// of the separator colour, so that it shows at every scale (on a one-to-one screen the OpenGL
// renderer draws nothing of a line half a point high that ends on a pixel's edge). In a layout it
// spans the layout's width past the indent; elsewhere it spans its parent's.
//   indent: distance from the leading edge (0)
Rectangle {
    property real indent: 0

    x: indent
    width: parent ? parent.width - indent : 0
    height: 1 / Screen.devicePixelRatio
    implicitHeight: height
    Layout.fillWidth: true
    Layout.leftMargin: indent
    color: Theme.separator
}
