import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The main action button: `title`, a flexible space and the symbol `icon`, in the headline font,
// filling the width and at least 54 high. It has no style of its own; the screen picks one
// (buttonStyle: TarvikButton.PrimaryGlass is the app's primary look).
//   required title: string (shown verbatim); required icon: symbol name
//   buttonStyle, tint: as TarvikButton; clicked(): the action
Item {
    id: root

    required property string title
    required property string icon
    property alias buttonStyle: control.buttonStyle
    property alias tint: control.tint
    readonly property alias down: control.down

    signal clicked()

    implicitWidth: control.implicitWidth
    implicitHeight: control.implicitHeight
    Layout.fillWidth: true

    TarvikButton {
        id: control

        anchors.fill: parent
        text: root.title
        onClicked: root.clicked()

        contentItem: Item {
            implicitWidth: label.implicitWidth + symbol.implicitWidth + 8 + 36
            implicitHeight: Math.max(54, label.implicitHeight)
            opacity: control.down && !control.bordered ? 0.45 : 1

            StyledText {
                id: label
                anchors.left: parent.left
                anchors.leftMargin: 18
                anchors.right: symbol.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: root.title
                textStyle: Theme.Headline
                color: control.foreground
                elide: Text.ElideRight
                Accessible.ignored: true
            }

            SymbolImage {
                id: symbol
                anchors.right: parent.right
                anchors.rightMargin: 18
                anchors.verticalCenter: parent.verticalCenter
                name: root.icon
                size: Theme.textStyleSize(Theme.Headline)
                weight: Font.DemiBold
                color: control.foreground
            }
        }
    }
}
