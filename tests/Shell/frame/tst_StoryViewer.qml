import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Shell
import TarvikTest

Item {
    id: root
    width: 393
    height: 852

    Component {
        id: viewerComponent
        StoryViewer {
            anchors.fill: parent
            stories: StoryCatalog.promotionalStories()
            initialIndex: 0
            Component.onCompleted: controller.clock = StoryClock
        }
    }

    SignalSpy {
        id: dismissSpy
        signalName: "dismiss"
    }

    TestCase {
        name: "StoryViewer"
        when: windowShown

        function makeViewer(index) {
            const viewer = createTemporaryObject(viewerComponent, root, { initialIndex: index })
            verify(viewer)
            dismissSpy.clear()
            dismissSpy.target = viewer
            return viewer
        }

        function card(viewer) {
            return findChild(viewer, "storyTouchArea")
        }

        // Moves the finger in small steps, as a real drag does, with the manual clock running.
        function drag(viewer, fromX, fromY, dx, dy, ms) {
            const area = card(viewer)
            mousePress(area, fromX, fromY)
            const steps = 10
            for (let i = 1; i <= steps; ++i) {
                StoryClock.advanceMilliseconds(ms / steps)
                mouseMove(area, fromX + dx * i / steps, fromY + dy * i / steps, -1, Qt.LeftButton)
            }
            mouseRelease(area, fromX + dx, fromY + dy)
        }

        // The card shows the story it opens at, the first one included.
        function test_opensOnTheGivenStory_data() {
            return [
                { tag: "first", index: 0, title: "Приведи друга", image: "StoryReferral" },
                { tag: "third", index: 2, title: "Быстрый интернет", image: "StorySpeed" }
            ]
        }
        function test_opensOnTheGivenStory(data) {
            const viewer = makeViewer(data.index)
            const card = findChild(viewer, "currentStoryCard")
            compare(card.story.title, data.title)
            compare(card.story.image, data.image)
            const bars = findChild(viewer, "storyProgressRow").children
            for (let i = 0; i < 4; ++i)
                compare(bars[i].children[0].width, i < data.index ? bars[i].width : 0)
        }

        function test_tapOnTheRightGoesOnWithOneHaptic() {
            const viewer = makeViewer(0)
            const before = Haptics.count(Haptics.SelectionChanged)
            const area = card(viewer)
            mouseClick(area, area.width * 0.9, area.height / 2)
            verify(viewer.controller.isTransitioning)
            StoryClock.advanceMilliseconds(280)
            compare(viewer.controller.selection, 1)
            compare(Haptics.count(Haptics.SelectionChanged), before + 1)
            compare(findChild(viewer, "currentStoryCard").story.title, "24ТВ")
        }

        function test_swipeDownClosesOnce() {
            const viewer = makeViewer(1)
            drag(viewer, 180, 200, 0, 100, 600)
            verify(viewer.controller.isTransitioning)
            StoryClock.advanceMilliseconds(200)
            compare(dismissSpy.count, 1)
            mouseClick(findChild(viewer, "closeStoriesButton"))
            compare(dismissSpy.count, 1)
        }

        function test_likeButton() {
            const viewer = makeViewer(2)
            const like = findChild(viewer, "likeStoryButton")
            compare(like.symbol, "heart")
            mouseClick(like)
            compare(like.symbol, "heart.fill")
            compare(like.color, Theme.tarPink)
            mouseClick(like)
            compare(like.symbol, "heart")
            compare(like.color, Theme.white)
            compare(dismissSpy.count, 0)
            compare(viewer.controller.selection, 2)
        }
    }
}
