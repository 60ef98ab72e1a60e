import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The platform's segmented control: one segment per title on a grey track, the chosen one lifted
// on white.
//   required titles: list<string>; currentIndex: int; label: string (for accessibility)
//   activated(index): a segment was tapped (the owner sets currentIndex)
Rectangle {
    id: picker

    required property var titles
    property int currentIndex: 0
    property string label

    signal activated(int index)

    implicitWidth: 300
    implicitHeight: 32
    radius: 9
    color: Theme.tertiarySystemFill
    Accessible.role: Accessible.PageTabList
    Accessible.name: label

    Rectangle {
        // The chosen segment's plate slides between the segments.
        x: 2 + picker.currentIndex * (picker.width - 4) / Math.max(1, picker.titles.length)
        y: 2
        width: (picker.width - 4) / Math.max(1, picker.titles.length)
        height: picker.height - 4
        radius: 7
        color: Theme.white
        border.width: 0.5
        border.color: Theme.withOpacity(Theme.black, 0.04)

        Behavior on x {
            NumberAnimation { duration: 200; easing.type: Easing.OutCubic }
        }
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: 2
        spacing: 0

        Repeater {
            model: picker.titles

            T.AbstractButton {
                id: segment

                required property string modelData
                required property int index

                objectName: "segment" + segment.index
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 1
                text: segment.modelData
                checkable: true
                checked: picker.currentIndex === segment.index
                Accessible.role: Accessible.PageTab
                onClicked: picker.activated(segment.index)

                contentItem: StyledText {
                    text: segment.text
                    textStyle: Theme.Footnote
                    weight: segment.checked ? Font.DemiBold : Font.Medium
                    color: Theme.label
                    opacity: segment.down && !segment.checked ? 0.45 : 1
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    Accessible.ignored: true
                }
            }
        }
    }
}
