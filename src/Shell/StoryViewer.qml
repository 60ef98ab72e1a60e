import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Shell

// The stories full screen, one card at a time: progress bars, close, like and share. A story runs
// 5 s, then the next follows; a tap on the left or right third steps back or on, a sideways swipe
// turns the cube, a finger held on the card pauses, a swipe down closes. Likes last as long as
// the viewer.
//   required stories: list of storyContent (not empty); required initialIndex: int
//   reduceMotion: bool (the desktop's preference) — fades instead of turning; dismiss(): the viewer is done (once)
//   readonly controller: its StoryViewerController
Item {
    id: viewer

    required property var stories
    required property int initialIndex
    property bool reduceMotion: MotionPreference.reduceMotion
    readonly property alias controller: logic

    // The swipe down as shown: it follows the controller's offset as its motion says.
    property real shownDismissOffset: 0

    signal dismiss()

    function follow(animation, value, motion) {
        animation.stop()
        if (motion.duration <= 0) {
            animation.target[animation.property] = value
            return
        }
        animation.to = value
        animation.duration = motion.duration
        animation.easing.type = motion.easing
        animation.start()
    }

    Component.onCompleted: logic.start()
    Component.onDestruction: logic.stop()

    StoryViewerController {
        id: logic

        stories: viewer.stories
        initialIndex: viewer.initialIndex
        reduceMotion: viewer.reduceMotion
        viewerSize: Qt.size(viewer.width, viewer.height)
        onDismiss: viewer.dismiss()
        onTurned: Haptics.play(Haptics.SelectionChanged)
        onDragOffsetChanged: viewer.follow(dragAnimation, dragOffset, dragMotion)
        onDismissOffsetChanged: viewer.follow(dismissAnimation, dismissOffset, dismissMotion)
    }

    NumberAnimation {
        id: dragAnimation
        target: logic
        property: "shownDragOffset"
    }

    NumberAnimation {
        id: dismissAnimation
        target: viewer
        property: "shownDismissOffset"
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.black
        opacity: Math.min(1, Math.max(0, 1 - viewer.shownDismissOffset / 220))
    }

    Item {
        id: cube

        readonly property real offset: logic.shownDragOffset
        readonly property real scale: 1 - Math.min(0.08 * viewer.shownDismissOffset / Math.max(viewer.height, 1), 0.08)

        anchors.centerIn: parent
        width: logic.cardWidth
        height: logic.cardHeight
        transform: [
            Scale {
                origin.x: cube.width / 2
                origin.y: cube.height / 2
                xScale: cube.scale
                yScale: cube.scale
            },
            Translate { y: viewer.shownDismissOffset }
        ]

        // The next story, unfolding from behind as the current one turns away to the left.
        // qmllint disable unqualified
        Loader {
            anchors.fill: parent
            active: cube.offset < 0 && logic.selection < logic.count - 1
            sourceComponent: StoryCard {
                story: viewer.stories[logic.selection + 1]
                transform: Rotation {
                    origin.x: 0
                    origin.y: cube.height / 2
                    axis: Qt.vector3d(0, 1, 0)
                    angle: logic.nextAngle
                }
            }
        }

        // The previous story, for a turn to the right.
        Loader {
            anchors.fill: parent
            active: cube.offset > 0 && logic.selection >= 1
            sourceComponent: StoryCard {
                story: viewer.stories[logic.selection - 1]
                transform: Rotation {
                    origin.x: cube.width
                    origin.y: cube.height / 2
                    axis: Qt.vector3d(0, 1, 0)
                    angle: logic.previousAngle
                }
            }
        }
        // qmllint enable unqualified

        StoryCard {
            objectName: "currentStoryCard"
            anchors.fill: parent
            story: logic.current
            opacity: logic.currentOpacity
            transform: Rotation {
                origin.x: cube.offset < 0 ? cube.width : 0
                origin.y: cube.height / 2
                axis: Qt.vector3d(0, 1, 0)
                angle: logic.currentAngle
            }
        }
    }

    // Touches on the card. It stays put while the card moves, so translations are the finger's own.
    MouseArea {
        objectName: "storyTouchArea"
        anchors.centerIn: parent
        width: logic.cardWidth
        height: logic.cardHeight
        preventStealing: true
        onPressed: mouse => logic.touchDown(mouse.x, mouse.y)
        onPositionChanged: mouse => logic.touchMoved(mouse.x, mouse.y)
        onReleased: mouse => logic.touchUp(mouse.x, mouse.y)
        onCanceled: logic.touchCancelled()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 22
        anchors.rightMargin: 22
        anchors.topMargin: logic.verticalInset + 12
        anchors.bottomMargin: logic.verticalInset + 28
        spacing: 10
        opacity: Math.max(0, 1 - viewer.shownDismissOffset / 140)

        RowLayout {
            objectName: "storyProgressRow"
            Layout.fillWidth: true
            spacing: 6

            Repeater {
                model: logic.count

                Rectangle {
                    required property int index
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    implicitHeight: 3
                    radius: 1.5
                    color: Theme.withOpacity(Theme.white, 0.3)

                    Rectangle {
                        readonly property real fraction: parent.index < logic.selection ? 1 // qmllint disable unqualified
                                                         : parent.index > logic.selection ? 0 : logic.storyProgress
                        width: parent.width * fraction
                        height: parent.height
                        radius: 1.5
                        color: Theme.white
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true

            Item { Layout.fillWidth: true }

            SymbolButton {
                objectName: "closeStoriesButton"
                symbol: "xmark"
                text: "Закрыть истории"
                size: 15
                weight: Font.Bold
                color: Theme.white
                background: Rectangle {
                    radius: width / 2
                    color: Theme.withOpacity(Theme.white, 0.22)
                }
                onClicked: logic.closeViewer()
            }
        }

        Item { Layout.fillHeight: true }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Item { Layout.fillWidth: true }

            SymbolButton {
                objectName: "likeStoryButton"
                implicitWidth: 56
                implicitHeight: 56
                symbol: logic.currentLiked ? "heart.fill" : "heart"
                text: "Нравится"
                size: 27
                weight: Font.DemiBold
                color: logic.currentLiked ? Theme.tarPink : Theme.white
                onClicked: logic.toggleLike()
            }

            SymbolButton {
                objectName: "shareStoryButton"
                implicitWidth: 56
                implicitHeight: 56
                symbol: "arrowshape.turn.up.right"
                text: "Поделиться"
                size: 26
                weight: Font.DemiBold
                color: Theme.white
                onClicked: logic.shareCurrent()
            }
        }
    }
}
