import QtQuick
import QtWebEngine

// Back and forward in a web view's history as on the phone: a horizontal drag that starts at the
// left edge goes back, one from the right edge forward (touch or mouse); the desktop's Alt+Left and
// Alt+Right too. Laid over the view (anchors.fill); `enabled: false` turns all of it off.
//   required view: the web view whose history it walks
Item {
    id: root

    required property WebEngineView view

    component EdgeSwipe: MouseArea {
        // 1: a drag to the right counts, -1: a drag to the left.
        required property int direction
        property real startX: 0

        signal swiped()

        width: 16
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        preventStealing: true
        onPressed: mouse => startX = mouse.x
        onReleased: mouse => {
            if ((mouse.x - startX) * direction >= 48)
                swiped()
        }
    }

    z: 1

    // A MouseArea's own `enabled` does not follow its parent's.
    EdgeSwipe {
        objectName: "backSwipe"
        anchors.left: parent.left
        enabled: root.enabled
        direction: 1
        onSwiped: root.view.goBack()
    }

    EdgeSwipe {
        objectName: "forwardSwipe"
        anchors.right: parent.right
        enabled: root.enabled
        direction: -1
        onSwiped: root.view.goForward()
    }

    Shortcut {
        sequences: [StandardKey.Back] // qmllint disable unqualified
        enabled: root.enabled && root.visible
        onActivated: root.view.goBack()
    }

    Shortcut {
        sequences: [StandardKey.Forward] // qmllint disable unqualified
        enabled: root.enabled && root.visible
        onActivated: root.view.goForward()
    }
}
