pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The platform's segmented picker: equal segments on a grey track, the chosen one raised white.
// A list of tabs for the keyboard too: Left and Right take the focus to the segment beside and
// choose it, as a click on it does (the choice shows at once, as Qt's tab bars choose); Up and Down
// are the row's and do nothing, so that no view behind it takes them.
//   required model: list of segment titles; currentIndex: int; required label: accessibility name
//   activated(index): a segment was tapped or reached by an arrow (write currentIndex back there)
Rectangle {
    id: picker

    required property var model
    required property string label
    property int currentIndex: 0

    signal activated(int index)

    // Past either end of the row nothing moves.
    function choose(index) {
        if (index < 0 || index >= segments.count)
            return
        picker.activated(index)
        segments.itemAt(index).forceActiveFocus(Qt.TabFocusReason)
    }

    implicitWidth: 300
    implicitHeight: 32
    radius: 9
    color: Theme.tertiarySystemFill
    Accessible.role: Accessible.PageTabList
    Accessible.name: picker.label

    Rectangle {
        readonly property real segmentWidth: (picker.width - 4) / Math.max(1, picker.model.length)

        x: 2 + picker.currentIndex * segmentWidth
        y: 2
        width: segmentWidth
        height: picker.height - 4
        radius: 7
        color: Theme.white
        border.width: 0.5
        border.color: Theme.withOpacity(Theme.black, 0.04)

        Behavior on x {
            NumberAnimation { duration: 200; easing.type: Easing.OutCubic }
        }
    }

    Row {
        anchors.fill: parent
        anchors.margins: 2

        Repeater {
            id: segments

            model: picker.model

            // A tab button: assistive technology sees a tab, checked while it is the chosen one.
            delegate: T.TabButton {
                id: segment

                required property int index
                required property string modelData

                objectName: "segment" + index
                width: (picker.width - 4) / Math.max(1, picker.model.length)
                height: picker.height - 4
                text: modelData
                // Not exclusive: the chosen index alone checks a segment, whatever a tap did.
                autoExclusive: false
                checked: index === picker.currentIndex
                onClicked: {
                    picker.activated(index)
                    // The tap checked this segment itself; the chosen index decides.
                    checked = Qt.binding(() => segment.index === picker.currentIndex)
                }
                Keys.onLeftPressed: picker.choose(segment.index - 1)
                Keys.onRightPressed: picker.choose(segment.index + 1)
                Keys.onUpPressed: event => event.accepted = true
                Keys.onDownPressed: event => event.accepted = true

                contentItem: StyledText {
                    text: segment.text
                    textStyle: Theme.Footnote
                    weight: segment.index === picker.currentIndex ? Font.DemiBold : Font.Medium
                    color: Theme.label
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    opacity: segment.down ? 0.5 : 1
                    Accessible.ignored: true
                }
            }
        }
    }
}
