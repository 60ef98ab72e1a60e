import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The app's thin vertical scroll indicator, shown while the view moves. Attach it to a Flickable
// as `T.ScrollIndicator.vertical: TarvikScrollIndicator {}`.
T.ScrollIndicator {
    id: indicator

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)
    padding: 3
    // It only shows where the view is; the view itself scrolls to whatever gets the focus.
    Accessible.ignored: true

    contentItem: Rectangle {
        implicitWidth: 3
        implicitHeight: 3
        radius: 1.5
        color: Theme.withOpacity(Theme.black, 0.35)
        opacity: indicator.active && indicator.size < 1 ? 1 : 0

        Behavior on opacity {
            NumberAnimation { duration: 300 }
        }
    }
}
