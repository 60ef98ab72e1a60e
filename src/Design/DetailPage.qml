import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The frame of a pushed detail screen: paper background (under the bar too), the inline title,
// and a scrolling column (leading-aligned, spacing 18, padded 20) that holds the children.
// Push it, or a screen built on it, onto the presenter's NavigationStack.
//   title: string; default property: the column's children (give them Layout.fillWidth to span it)
//   readonly flickable: the scrolling Flickable
NavigationPage {
    id: screen

    default property alias content: column.data
    // The scrolling view, for screens that react to it (pull to refresh).
    readonly property alias flickable: scroller

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

            x: 20
            y: 20
            width: scroller.width - 40
            spacing: 18
        }
    }
}
