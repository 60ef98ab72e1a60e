import QtQuick
import Tarvik.Design
import Tarvik.Support

// The office map: raster tiles of the tile server, the office pin, the tile source's attribution.
// It starts at the location's region; the location's moveRequested() brings it to the new region
// with a 0.35 s ease-out; pans, pinches, the wheel and double taps move it and are written back
// into the location's region. Tiles that failed are asked for again as the view needs them.
//   location: SupportOfficeLocation (required); readonly layout: the view's arithmetic
Item {
    id: map

    required property SupportOfficeLocation location
    readonly property alias layout: layout
    // Where the pin's coordinate lands; the bindings name what it depends on.
    readonly property point officePoint: {
        layout.centerLatitude; layout.centerLongitude; layout.zoom; layout.width; layout.height
        return layout.pointFor(location.latitude, location.longitude)
    }

    function showRegion(animated) {
        const zoom = layout.zoomForSpans(location.regionLatitude, location.regionLongitude,
                                         location.regionLatitudeSpan, location.regionLongitudeSpan)
        move.stop()
        if (!animated) {
            layout.centerLatitude = location.regionLatitude
            layout.centerLongitude = location.regionLongitude
            layout.zoom = zoom
            return
        }
        moveLatitude.to = location.regionLatitude
        moveLongitude.to = location.regionLongitude
        moveZoom.to = zoom
        move.start()
    }

    function writeBack() {
        const shown = layout.region()
        location.setRegion(shown.latitude, shown.longitude, shown.latitudeSpan, shown.longitudeSpan) // qmllint disable type
    }

    clip: true
    Accessible.role: Accessible.Graphic
    Accessible.name: "Интерактивная карта с адресом"

    // Back on screen (the tab shown again), tiles that failed meanwhile are asked for again.
    onVisibleChanged: if (visible) layout.refresh()
    onWidthChanged: if (height > 0 && width > 0 && !shown.done) shown.start()
    onHeightChanged: if (height > 0 && width > 0 && !shown.done) shown.start()

    TarvikMapLayout {
        id: layout
        width: map.width
        height: map.height
    }

    // The region is applied once the map has its size (the zoom depends on it).
    Timer {
        id: shown
        property bool done: false
        interval: 0
        onTriggered: {
            done = true
            map.showRegion(false)
        }
    }

    Connections {
        target: map.location
        function onMoveRequested() {
            map.showRegion(true)
        }
    }

    ParallelAnimation {
        id: move
        onFinished: map.writeBack()
        NumberAnimation { id: moveLatitude; target: layout; property: "centerLatitude"; duration: 350; easing.type: Easing.OutQuad }
        NumberAnimation { id: moveLongitude; target: layout; property: "centerLongitude"; duration: 350; easing.type: Easing.OutQuad }
        NumberAnimation { id: moveZoom; target: layout; property: "zoom"; duration: 350; easing.type: Easing.OutQuad }
    }

    // The ground colour of the tiles, while they load.
    Rectangle {
        anchors.fill: parent
        color: "#f2efe9"
    }

    Repeater {
        model: layout.tiles

        Image {
            required property string key
            required property url tileSource
            required property real tileX
            required property real tileY
            required property real tileSize

            x: tileX
            y: tileY
            // Half a pixel more hides the seams between scaled tiles.
            width: tileSize + 0.5
            height: tileSize + 0.5
            source: tileSource
            asynchronous: true
            // Decoded at a tile's own size (TarvikTileCache.tileSize), whatever it is drawn at.
            sourceSize.width: 256
            sourceSize.height: 256
            smooth: true
            Accessible.ignored: true
        }
    }

    TarvikMapMarker {
        objectName: "officeMarker"
        x: map.officePoint.x - width * 0.5
        y: map.officePoint.y - height * 0.9
    }

    DragHandler {
        id: drag

        property point last
        target: null
        onActiveChanged: {
            last = centroid.position
            if (active)
                move.stop()
            else
                map.writeBack()
        }
        onCentroidChanged: {
            if (!active)
                return
            layout.panBy(centroid.position.x - last.x, centroid.position.y - last.y)
            last = centroid.position
        }
    }

    PinchHandler {
        id: pinch

        property real lastScale: 1
        target: null
        onActiveChanged: {
            lastScale = 1
            if (active)
                move.stop()
            else
                map.writeBack()
        }
        onActiveScaleChanged: {
            if (!active || activeScale <= 0)
                return
            layout.zoomAround(Math.log2(activeScale / lastScale), centroid.position.x, centroid.position.y)
            lastScale = activeScale
        }
    }

    WheelHandler {
        target: null
        onWheel: event => {
            move.stop()
            layout.zoomAround(event.angleDelta.y / 120 * 0.5, point.position.x, point.position.y)
            map.writeBack()
        }
    }

    TapHandler {
        onDoubleTapped: eventPoint => {
            move.stop()
            layout.zoomAround(1, eventPoint.position.x, eventPoint.position.y)
            map.writeBack()
        }
    }

    StyledText {
        objectName: "mapAttribution"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 6
        visible: text.length > 0
        text: SupportMap.attribution
        textStyle: Theme.Caption2
        color: Theme.withOpacity(Theme.tarInk, 0.75)
        leftPadding: 5
        rightPadding: 5
        topPadding: 2
        bottomPadding: 2

        Rectangle {
            z: -1
            anchors.fill: parent
            radius: 4
            color: Theme.withOpacity(Theme.white, 0.7)
        }
    }
}
