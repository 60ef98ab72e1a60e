pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Support

// The chat's composer: the quick topics, the context bar of a reply or an edit in progress, and
// the message field with its send button, on the thin material. Everything it does goes to the
// screen's conversation. Whatever is done here, or starts a reply or an edit, leaves the focus in
// the message field, where the user goes on.
//   conversation: SupportConversation; topics: [{ title, message, icon }]
//   focusField(control): puts the focus in the message field (control: what had it, or null)
Rectangle {
    id: composer

    required property SupportConversation conversation
    required property var topics

    implicitHeight: column.implicitHeight + 20
    color: Theme.ultraThinMaterial

    // Called before what `control` does disables or hides it, so that the focus never falls out
    // of the screen. The field takes the reason the control had the focus by: a focus the keyboard
    // brought still shows.
    function focusField(control) {
        field.forceActiveFocus(control && control.activeFocus ? control.focusReason : Qt.OtherFocusReason)
    }

    // A quick topic's icon and title, sized by bindings rather than a positioner, so that a chip
    // has its width as soon as it is made.
    component ChipLabel: Item {
        property string icon
        property string title

        implicitWidth: chipTitle.x + chipTitle.implicitWidth
        implicitHeight: Math.max(chipIcon.height, chipTitle.implicitHeight)

        SymbolImage {
            id: chipIcon
            anchors.verticalCenter: parent.verticalCenter
            name: parent.icon
            size: Theme.textStyleSize(Theme.Caption)
            weight: Font.DemiBold
            color: Theme.tarInk
        }
        StyledText {
            id: chipTitle
            x: chipIcon.width + 5
            anchors.verticalCenter: parent.verticalCenter
            text: parent.title
            textStyle: Theme.Caption
            weight: Font.DemiBold
            color: Theme.tarInk
            Accessible.ignored: true
        }
    }

    ColumnLayout {
        id: column

        x: 14
        y: 10
        width: composer.width - 28
        spacing: 8

        // Every chip is made, in the topics' order (a few small ones), so that each has its place
        // in the Tab order, scrolled out of the strip or not.
        Flickable {
            objectName: "quickTopics"
            Layout.fillWidth: true
            implicitHeight: 44
            contentWidth: topicRow.implicitWidth
            contentHeight: height
            flickableDirection: Flickable.HorizontalFlick
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Row {
                id: topicRow

                height: parent.height
                spacing: 8

                Repeater {
                    model: composer.topics

                    delegate: TarvikButton {
                        id: chip

                        required property var modelData
                        required property int index

                        objectName: "topic" + index
                        implicitHeight: 44
                        leftPadding: 13
                        rightPadding: 13
                        buttonStyle: TarvikButton.Plain
                        text: modelData.title
                        // The topic is sent once: what comes next is typed into the message.
                        onClicked: {
                            composer.focusField(chip)
                            composer.conversation.sendText(chip.modelData.message)
                        }

                        background: Rectangle {
                            y: 3
                            height: 38
                            radius: 19
                            color: Theme.white
                            opacity: chip.down ? 0.7 : 1
                        }
                        contentItem: ChipLabel {
                            icon: chip.modelData.icon
                            title: chip.modelData.title
                        }
                    }
                }
            }
        }

        // Rises in and fades while a reply or an edit is open.
        RowLayout {
            id: contextBar

            readonly property bool shown: composer.conversation.composerContextTitle.length > 0

            objectName: "contextBar"
            visible: Layout.preferredHeight > 0
            opacity: shown ? 1 : 0
            clip: true
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.preferredHeight: shown ? 30 : 0
            spacing: 8

            Behavior on Layout.preferredHeight {
                NumberAnimation { duration: 180; easing.type: Easing.OutQuad }
            }
            Behavior on opacity {
                NumberAnimation { duration: 180; easing.type: Easing.OutQuad }
            }

            Rectangle {
                Layout.fillHeight: true
                implicitWidth: 3
                radius: 2
                color: Theme.tarPink
            }
            StyledText {
                objectName: "contextTitle"
                Layout.fillWidth: true
                text: composer.conversation.composerContextTitle
                textFormat: Text.PlainText
                textStyle: Theme.Caption
                weight: Font.DemiBold
                color: Theme.tarPink
                maximumLineCount: 1
                elide: Text.ElideRight
            }
            SymbolButton {
                id: closeContext

                objectName: "contextCloseButton"
                implicitWidth: 28
                implicitHeight: 28
                symbol: "xmark"
                text: "Закрыть"
                size: Theme.textStyleSize(Theme.Caption)
                weight: Font.Bold
                color: Theme.secondaryLabel
                onClicked: {
                    composer.focusField(closeContext)
                    composer.conversation.clearComposerContext()
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            // The field's fill with the field inside its 15-point padding: the field scrolls long
            // text within its own width, so the text never runs over the padding to the edge.
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: Math.max(50, field.contentHeight + field.topPadding + field.bottomPadding)
                radius: 18
                color: Theme.white

                TarvikTextField {
                    id: field

                    objectName: "composerField"
                    x: 15
                    width: parent.width - 30
                    height: parent.height
                    leftPadding: 0
                    rightPadding: 0
                    clip: true
                    outlined: false
                    fillColor: "transparent"
                    placeholderText: "Сообщение"
                    text: composer.conversation.draft
                    Accessible.name: placeholderText
                    onTextEdited: composer.conversation.draft = text
                    onAccepted: composer.conversation.sendDraft()

                    Connections {
                        target: composer.conversation
                        function onComposerContextChanged() {
                            if (composer.conversation.editing || composer.conversation.replying)
                                field.forceActiveFocus()
                        }
                    }
                }
            }

            TarvikButton {
                id: send

                objectName: "sendButton"
                implicitWidth: 50
                implicitHeight: 50
                enabled: composer.conversation.canSend
                opacity: enabled ? 1 : 0.45
                text: "Отправить сообщение"
                onClicked: {
                    composer.focusField(send)
                    composer.conversation.sendDraft()
                }

                background: Rectangle {
                    radius: 25
                    color: send.down ? Qt.darker(Theme.tarPink, 1.15) : Theme.tarPink
                }
                contentItem: Item {
                    SymbolImage {
                        anchors.centerIn: parent
                        name: composer.conversation.editing ? "checkmark" : "arrow.up"
                        size: Theme.textStyleSize(Theme.Headline)
                        weight: Font.Bold
                        color: Theme.white
                    }
                }
            }
        }
    }
}
