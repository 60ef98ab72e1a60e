import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The divider between the autopay summary's lines, indented past the icon tiles.
Rectangle {
    Layout.fillWidth: true
    Layout.leftMargin: 58
    implicitHeight: 0.5
    color: Theme.separator
}
