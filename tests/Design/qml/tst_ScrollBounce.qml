import QtQuick
import QtTest
import Tarvik.Design

Item {
    id: root
    width: 393
    height: 852

    Flickable {
        id: outer
        width: 393
        height: 400
        contentHeight: 1000

        Flickable {
            id: inner
            width: 393
            height: 200
            contentHeight: 600

            Item {
                width: 10
                height: 10
                VerticalScrollBounceDisabler { }
            }
        }
    }

    Flickable {
        id: untouched
        y: 400
        width: 393
        height: 400
        contentHeight: 1000
    }

    VerticalScrollBounceDisabler { }

    TestCase {
        name: "VerticalScrollBounceDisabler"
        when: windowShown

        function test_onlyTheNearestScrollViewStopsBouncing() {
            tryCompare(inner, "boundsBehavior", Flickable.StopAtBounds)
            compare(outer.boundsBehavior, Flickable.DragAndOvershootBounds)
            compare(untouched.boundsBehavior, Flickable.DragAndOvershootBounds)
        }
    }
}
