import QtQuick
import Tarvik.Design

// The soft shadow of its parent's rounded box, falling `offset` below it: put it first among the
// parent's children, so that it lies under the rest.
//   offset: real, downwards (8); radius, blur, color: as SoftRectangle's
SoftRectangle {
    property real offset: 8

    x: -overhang
    y: offset - overhang
    width: parent.width + 2 * overhang
    height: parent.height + 2 * overhang
}
