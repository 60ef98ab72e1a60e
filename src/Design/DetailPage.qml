import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The frame of a pushed detail screen: paper background (under the bar too), the inline title,
// and a scrolling column (leading-aligned, padded 20 above and below) that holds the children.
// Push it, or a screen built on it, onto the presenter's NavigationStack.
//   title: string; default property: the column's children (give them Layout.fillWidth to span it)
//   sideMargin: the column's margin at each side (20); contentSpacing: between its children (18)
//   readonly flickable: the scrolling Flickable
NavigationPage {
    id: screen

    default property alias content: column.data
    // The scrolling view, for screens that react to it (pull to refresh).
    readonly property alias flickable: scroller
    property real sideMargin: 20
    property real contentSpacing: 18

    color: Theme.tarPaper
    navigationBarHidden: false

    Flickable {
        id: scroller

        anchors.fill: parent
        contentWidth: width
        contentHeight: column.implicitHeight + 40
        flickableDirection: Flickable.VerticalFlick
        clip: true
        T.ScrollIndicator.vertical: TarvikScrollIndicator {}

        ColumnLayout {
            id: column

            x: screen.sideMargin
            y: 20
            width: scroller.width - 2 * screen.sideMargin
            spacing: screen.contentSpacing
        }
    }
}
