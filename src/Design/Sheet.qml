pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tarvik.Design
import "sheetstack.js" as SheetStack

// A sheet that slides up over the whole window. Its content is built from `sourceComponent`
// each time it opens and destroyed after it closes. It closes by close(), by `presented`
// turning false, by Presentation.dismiss() from inside the content, by Escape, or by a downward
// swipe; every way ends in `closed()`, so the presenter resets its flag there. A sheet declared
// inside another sheet's content stacks over it. The focus comes back to what opened it. As in
// the window, a tap in the sheet outside the field being edited ends editing.
//   presented: bool — drive it from the presenter's flag and reset the flag in onClosed
//   sourceComponent: Component (the content; wrap it in a NavigationStack for a bar)
//   color: the sheet's own background (Theme.systemBackground)
//   title: the name of the modal dialog assistive technology sees; by default the content's own
//   title (a confirmation's, or the shown page's of a navigation stack). A content's `message`
//   describes the dialog.
//   open(), close(); opened(), closed(); readonly item: the built content
ModalPopup {
    id: sheet

    property Component sourceComponent
    property color color: Theme.systemBackground
    readonly property Item item: loader.item as Item

    // Internal state.
    // 1 while off screen, 0 when shown; the transitions animate it.
    property real slide: 1
    // How far a swipe has pulled the sheet down, measured in the scene (the sheet itself moves
    // with the finger); after the release, the distance it springs back from.
    readonly property real dragOffset: swipe.active ? Math.max(0, swipe.centroid.scenePosition.y - swipe.centroid.scenePressPosition.y)
                                                    : settleOffset
    property real settleOffset: 0
    property real lastDrag: 0
    // Place among the open sheets: a stacked sheet sits a little lower than the one beneath.
    property int level: 0
    readonly property real restY: 14 + 10 * level
    readonly property real cornerRadius: 12
    readonly property real dimOpacity: 0.3

    // The title of the content: its own, or that of the page a Loader or a navigation stack shows.
    function contentTitle(content) {
        if (!content)
            return ""
        if (typeof content.title === "string" && content.title.length > 0)
            return content.title
        if (content instanceof Loader)
            return contentTitle(content.item)
        if (content instanceof T.StackView)
            return contentTitle(content.currentItem)
        return ""
    }

    onDragOffsetChanged: if (swipe.active) lastDrag = dragOffset

    title: contentTitle(loader.item)
    message: loader.item && typeof loader.item.message === "string" ? loader.item.message : "" // qmllint disable type

    onAboutToShow: level = SheetStack.place(sheet)
    onClosed: {
        SheetStack.remove(sheet)
        settleOffset = 0
    }
    Component.onDestruction: SheetStack.remove(sheet)

    x: 0
    y: restY + slide * (parent ? parent.height : 0) + dragOffset
    width: parent ? parent.width : 0
    // It ends above the keyboard's bar while a field is edited.
    height: parent ? parent.height - restY - TextEditing.keyboardHeight : 0
    padding: 0
    closePolicy: T.Popup.CloseOnEscape

    enter: Transition {
        NumberAnimation { property: "slide"; from: 1; to: 0; duration: 380; easing.type: Easing.OutCubic }
    }
    exit: Transition {
        NumberAnimation { property: "slide"; to: 1; duration: 260; easing.type: Easing.InCubic }
    }

    T.Overlay.modal: Rectangle {
        color: Theme.withOpacity(Theme.black, sheet.dimOpacity * (1 - sheet.slide))
    }

    background: RoundedCornerShape {
        radius: sheet.cornerRadius
        corners: RoundedCornerShape.TopLeft | RoundedCornerShape.TopRight
        color: sheet.color
    }

    // The window's own KeyboardDismissModifier does not reach a popup's content.
    contentItem: KeyboardDismissModifier {
        Presentation.host: true
        Presentation.onDismissRequested: sheet.close()
        clip: true

        Loader {
            id: loader
            anchors.fill: parent
            active: sheet.visible
            sourceComponent: sheet.sourceComponent
        }

        // Content that paints its own full-bleed background would square off the sheet's top
        // corners: a frame in the colour of the dimmed screen behind, whose inner edge is the
        // sheet's rounded outline, keeps them round (the clip hides all but the corners).
        Rectangle {
            x: -sheet.cornerRadius
            y: -sheet.cornerRadius
            width: parent.width + 2 * sheet.cornerRadius
            height: parent.height + 4 * sheet.cornerRadius
            radius: 2 * sheet.cornerRadius
            color: "transparent"
            border.width: sheet.cornerRadius
            border.color: Qt.tint(Theme.tarPaper, Theme.withOpacity(Theme.black, sheet.dimOpacity))
        }

        DragHandler {
            id: swipe
            target: null
            xAxis.enabled: false
            onActiveChanged: {
                if (active) {
                    sheet.lastDrag = 0
                    return
                }
                // Released: far enough down, or flicked down, closes; otherwise it springs back.
                const travelled = sheet.lastDrag
                sheet.settleOffset = travelled
                if (travelled > sheet.height / 4 || (travelled > 20 && centroid.velocity.y > 700))
                    sheet.close()
                else
                    settle.restart()
            }
        }

        NumberAnimation {
            id: settle
            target: sheet
            property: "settleOffset"
            to: 0
            duration: 220
            easing.type: Easing.OutCubic
        }
    }
}
