pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The platform's alert: a centred card with a bold title, a message and its buttons (two side
// by side, the cancel one first; three or more stacked, the cancel one last). Any button closes
// it and then triggers; every way of closing ends in closed(). Escape presses the cancel button,
// or the one button of an alert that has only one; where the user must choose between others, it
// does nothing. Assistive technology reads it as a modal dialog named by the title and described
// by the message.
//   title, message: string; buttons: list<AlertButton> (none gives one "OK")
//   presented: bool, driven like Sheet.presented; open(), close(); opened(), closed()
ModalPopup {
    id: alert

    property list<AlertButton> buttons

    readonly property var orderedButtons: {
        const list = []
        for (let i = 0; i < buttons.length; ++i)
            list.push(buttons[i])
        const cancels = list.filter(b => b.role === AlertButton.Cancel)
        const others = list.filter(b => b.role !== AlertButton.Cancel)
        return list.length === 2 ? cancels.concat(others) : others.concat(cancels)
    }
    readonly property bool sideBySide: orderedButtons.length === 2
    // What Escape presses (null: the one "OK"), unless there is no way out but a choice.
    readonly property AlertButton cancelButton: orderedButtons.find(b => b.role === AlertButton.Cancel)
                                                ?? (orderedButtons.length === 1 ? orderedButtons[0] : null)

    function trigger(button) {
        close()
        if (button)
            button.triggered()
    }

    cancellable: cancelButton !== null || orderedButtons.length === 0
    onCancelled: {
        if (cancelButton)
            cancelButton.triggered()
    }

    anchors.centerIn: parent
    width: 270
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 0
    closePolicy: T.Popup.NoAutoClose

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200 }
        NumberAnimation { property: "scale"; from: 1.12; to: 1; duration: 200; easing.type: Easing.OutCubic }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; to: 0; duration: 150 }
    }

    T.Overlay.modal: Rectangle {
        color: Theme.withOpacity(Theme.black, 0.2)
    }

    // Opaque: nothing of the screen behind may read through the alert's text.
    background: Rectangle {
        radius: 14
        color: Qt.rgba(0.97, 0.97, 0.97, 1)
    }

    contentItem: ColumnLayout {
        spacing: 0

        StyledText {
            Layout.fillWidth: true
            Layout.topMargin: 19
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            text: alert.title
            textStyle: Theme.Headline
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            visible: text.length > 0
            // The dialog's name already.
            Accessible.ignored: true
        }

        StyledText {
            Layout.fillWidth: true
            Layout.topMargin: 2
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            text: alert.message
            textStyle: Theme.Footnote
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            visible: text.length > 0
            // The dialog's description already.
            Accessible.ignored: true
        }

        Item { implicitHeight: 19 }

        GridLayout {
            Layout.fillWidth: true
            columns: alert.sideBySide ? 2 : 1
            rowSpacing: 0
            columnSpacing: 0

            Repeater {
                model: alert.orderedButtons.length > 0 ? alert.orderedButtons : [null]

                T.AbstractButton {
                    id: choice

                    required property var modelData
                    required property int index
                    readonly property int role: modelData ? modelData.role : AlertButton.Cancel

                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    implicitHeight: 44
                    text: modelData ? modelData.text : "OK"
                    onClicked: alert.trigger(modelData)

                    background: Rectangle {
                        color: choice.down ? Theme.withOpacity(Theme.black, 0.06) : "transparent"

                        Rectangle {
                            width: parent.width
                            height: 0.5
                            color: Theme.separator
                        }

                        Rectangle {
                            visible: alert.sideBySide && choice.index === 1
                            width: 0.5
                            height: parent.height
                            color: Theme.separator
                        }
                    }

                    contentItem: StyledText {
                        text: choice.text
                        weight: choice.role === AlertButton.Cancel ? Font.DemiBold : -1
                        color: choice.role === AlertButton.Destructive ? Theme.systemRed : Theme.tarPink
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                    }
                }
            }
        }
    }
}
