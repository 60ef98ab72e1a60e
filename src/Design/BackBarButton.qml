import QtQuick
import Tarvik.Design

// "Назад" in a navigation bar: the chevron and the word in the button's tint, 44 high. The
// caller decides what a tap does.
//   symbolSize: the chevron's (20); spacing: from the chevron to the word (3)
//   showsLabel: bool (true; false leaves the chevron alone)
//   readonly labeledWidth: the width with the word, whether it shows or not; clicked()
TarvikButton {
    id: button

    property real symbolSize: 20
    property bool showsLabel: true
    readonly property real labeledWidth: chevron.implicitWidth + spacing + label.implicitWidth

    spacing: 3
    text: "Назад"
    implicitHeight: 44

    contentItem: Row {
        spacing: button.spacing
        opacity: button.down ? 0.45 : 1

        SymbolImage {
            id: chevron

            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.left"
            size: button.symbolSize
            weight: Font.DemiBold
            color: button.foreground
        }

        StyledText {
            id: label

            anchors.verticalCenter: parent.verticalCenter
            visible: button.showsLabel
            text: button.text
            color: button.foreground
            Accessible.ignored: true
        }
    }
}
