pragma ComponentBehavior: Bound
import QtQuick
import Tarvik.Design
import Tarvik.Shell

// A paged strip of the home dashboard: 1000 virtual pages, even ones from `evenPage`, odd ones
// from `oddPage`, built only while in sight. While `running`, it turns to the next page every
// `interval` ms; near the end of the strip it first jumps back to the middle, to a page of the
// same kind, so the jump does not show. A swipe moves one page; the next turn goes on from there.
// The corners are rounded by painting `cornerColor` over them (the colour behind the strip). It
// holds still while someone reads it: while one of its pages has the keyboard's focus (the ring
// shows on it; a page that has the focus from a tap turns on), while the pointer is over it (not
// over a sheet or an alert above it), and whenever a screen reader follows the app; under a sheet
// or an alert it turns on time, and closing one does not start its wait over. Both kinds of page
// are there for the keyboard and a screen reader, in their order, once either is in use: the page
// shown and the other one of its pair (an even page and the odd one after it), whichever of them
// shows. A page that has the focus while the keyboard or a screen reader is in use, however it
// came by it (Tab, a sheet closing, a key after a tap), is shown whole, as the strip's current
// page. For the pointer the strip moves for no focus: a page the focus comes back to after the
// strip has turned away from it hands it on to the page shown.
//   currentIndex: int (starts at 500); interval: ms; running: bool; readonly turning: bool
//   required evenPage, oddPage: Component (each page is the size of the strip)
//   cornerRadius: real (24); cornerColor: color (white)
//   advance(): one turn, as the timer does it
Item {
    id: carousel

    property int currentIndex: HomeDashboard.carouselStartIndex
    property int interval: 5400
    property bool running: true
    property real cornerRadius: 24
    property color cornerColor: Theme.white
    required property Component evenPage
    required property Component oddPage
    readonly property alias view: list
    // A page has the focus, and the keyboard's ring shows it there.
    readonly property bool keyboardFocused: list.activeFocus && FocusKeeper.keyboardInUse
    readonly property bool turning: running && !keyboardFocused && !pointer.hovered && !ScreenReader.active
    // The pair of pages that stay made for the keyboard and a screen reader: the even page at the
    // current one or before it, and the next. Pointer and touch use only the page in sight.
    readonly property bool pairMade: ScreenReader.active || FocusKeeper.keyboardUsed
    readonly property int pairStart: currentIndex - currentIndex % 2
    // Set while show() moves the index itself.
    property bool positioning: false

    function advance() {
        // A turn never fights a finger on the strip.
        if (list.dragging || list.flicking)
            return
        const start = HomeDashboard.carouselTickStart(currentIndex)
        if (start !== currentIndex)
            show(start, false)
        show(start + 1, true)
    }

    function show(index, animated) {
        slide.stop()
        const shown = list.itemAtIndex(currentIndex)
        positioning = true
        currentIndex = index
        positioning = false
        if (animated && shown) {
            // Pages are equally wide: the target lies whole pages away from the page shown.
            slide.startX = list.contentX
            slide.endX = shown.x + (index - shown.index) * list.width
            slide.restart()
        } else {
            list.positionViewAtIndex(index, ListView.Beginning)
        }
    }

    // The page that holds the focus (its delegate), if one does.
    function focusedPage() {
        for (let item = Window.activeFocusItem; item; item = item.parent) {
            if (item.parent === list.contentItem)
                return item
        }
        return null
    }

    // The focus has come to `page`. Whoever reads by the keyboard or a screen reader finds it
    // shown; for the pointer the strip stays where it is, or goes on sliding, wherever the focus
    // has scrolled this page into view, and a page it has turned away from hands the focus on to
    // the page shown (or the one it slides to). The keeper is asked, not the page's focus
    // reason: a popup that closes gives the focus back by a reason of its own.
    function focusEntered(page) {
        if (FocusKeeper.keyboardInUse || ScreenReader.active) {
            show(page.index, false)
            return
        }
        if (slide.running)
            list.contentX = slide.position()
        else if (!list.moving)
            show(currentIndex, false)
        const shown = page.index === currentIndex ? null : list.itemAtIndex(currentIndex)
        const stop = shown?.item ? shown.nextItemInFocusChain(true) : null
        for (let inside = stop; inside; inside = inside.parent) {
            if (inside === shown) {
                stop.forceActiveFocus(Qt.OtherFocusReason)
                return
            }
        }
    }

    onCurrentIndexChanged: {
        if (!positioning && !list.moving)
            show(currentIndex, false)
    }
    // The keyboard comes into use while a page has the focus (a key after a tap): it is shown.
    onKeyboardFocusedChanged: {
        const page = keyboardFocused ? focusedPage() : null
        if (page)
            show(page.index, false)
    }
    Component.onCompleted: list.rebuild()

    clip: true

    ListView {
        id: list

        anchors.fill: parent
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        boundsBehavior: Flickable.StopAtBounds
        // Pages are built when they come near the view, never all thousand. They are built again
        // whenever the strip's width changes (pages of an earlier width would be placed at the
        // wrong distances), and none while it has no width (pages of no width would all fit).
        function rebuild() {
            model = 0
            if (width > 0)
                model = HomeDashboard.carouselPageCount
            carousel.show(carousel.currentIndex, false)
        }

        // The page beside the shown one is kept for the pair; else only what is in sight.
        cacheBuffer: carousel.pairMade ? width : 0
        // The strip keeps its own index; a current item would keep page 0 alive.
        currentIndex: -1

        delegate: Loader {
            required property int index
            width: list.width
            height: list.height
            // Made and shown: a page in sight, and the pair, which the keyboard and a screen reader
            // reach wherever the strip has turned to. Any other page the list keeps beside them
            // would be built and drawn for nothing, and be read twice. A page coming in is made in
            // the frame that first shows it.
            visible: (x + width > list.contentX && x < list.contentX + list.width)
                     || (carousel.pairMade && (index === carousel.pairStart || index === carousel.pairStart + 1))
            active: visible
            sourceComponent: index % 2 === 0 ? carousel.evenPage : carousel.oddPage
            FocusKeeper.tabIndex: index
            onActiveFocusChanged: if (activeFocus) carousel.focusEntered(this)
        }

        onCountChanged: currentIndex = -1
        onWidthChanged: rebuild()
        onDraggingChanged: if (dragging) slide.stop()

        onMovementEnded: {
            const shown = indexAt(contentX + width / 2, height / 2)
            if (shown < 0)
                return
            carousel.positioning = true
            carousel.currentIndex = shown
            carousel.positioning = false
        }
    }

    // The slide from one page to the next, kept as its progress: where it has the strip can be put
    // back when something else has moved it.
    NumberAnimation {
        id: slide

        property real startX
        property real endX
        property real progress

        function position() {
            return startX + (endX - startX) * progress
        }

        target: slide
        property: "progress"
        from: 0
        to: 1
        duration: 380
        easing.type: Easing.InOutQuad
        onProgressChanged: list.contentX = position()
    }

    HoverHandler {
        id: pointer
    }

    Timer {
        interval: carousel.interval
        repeat: true
        running: carousel.turning
        onTriggered: carousel.advance()
    }

    // The square corners painted over in the colour behind: the inner edge of this thick border
    // is the strip's outline rounded by cornerRadius.
    Rectangle {
        x: -carousel.cornerRadius
        y: -carousel.cornerRadius
        width: parent.width + 2 * carousel.cornerRadius
        height: parent.height + 2 * carousel.cornerRadius
        radius: 2 * carousel.cornerRadius
        color: "transparent"
        border.width: carousel.cornerRadius
        border.color: carousel.cornerColor
    }
}
