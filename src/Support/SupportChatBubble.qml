import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Support

// One message of the chat as a row of the list: the subscriber's own on the right in a pink
// bubble, the assistant's on the left in a white one beside her avatar, with call and link
// buttons (when the text holds a number or an address) and the rating row under it. A long press
// asks for the message menu. It changes nothing itself: every action is a signal.
//   messageId, text, outgoing, timeText, edited, pinned, reaction ("like", "dislike" or ""),
//   hasReply, replyAuthor, replyText: the message (the chat model's roles)
//   menuRequested(bubble), reactionRequested(reaction), linkRequested(url)
Item {
    id: row

    required property string messageId
    required property string text
    required property bool outgoing
    required property string timeText
    required property bool edited
    required property bool pinned
    required property string reaction
    required property bool hasReply
    required property string replyAuthor
    required property string replyText

    // The bubble itself, for placing the menu beside it.
    readonly property alias bubble: bubble
    readonly property url phoneUrl: outgoing ? "" : SupportText.phoneUrl(text)
    readonly property url webUrl: outgoing ? "" : SupportText.webUrl(text)
    readonly property real columnMaxWidth: Math.max(0, width - 52 - 8 - (outgoing ? 0 : 34 + 8))
    readonly property color foreground: outgoing ? Theme.white : Theme.tarInk

    signal menuRequested(Item bubble)
    signal reactionRequested(string reaction)
    signal linkRequested(url link)

    implicitHeight: Math.max(column.implicitHeight, outgoing ? 0 : avatar.height)

    SupportMariaAvatar {
        id: avatar
        visible: !row.outgoing
        size: 34
        anchors.left: parent.left
        // Level with the bubble's foot, as the row is aligned at the bottom of the bubble.
        y: column.y + bubble.height - height
    }

    ColumnLayout {
        id: column

        x: row.outgoing ? row.width - width : 42
        width: row.outgoing ? bubble.width : row.columnMaxWidth
        spacing: 5

        Rectangle {
            id: bubble

            objectName: "bubble"
            readonly property real contentWidth: Math.max(formatted.naturalWidth, status.implicitWidth,
                                                          reply.visible ? reply.implicitWidth : 0)

            Layout.preferredWidth: Math.min(row.columnMaxWidth, contentWidth + 30)
            Layout.preferredHeight: content.implicitHeight + 22
            Layout.alignment: row.outgoing ? Qt.AlignRight : Qt.AlignLeft
            radius: 18
            color: row.outgoing ? Theme.tarPink : Theme.white
            Accessible.role: Accessible.StaticText
            Accessible.name: row.text

            ColumnLayout {
                id: content

                x: 15
                y: 11
                width: bubble.width - 30
                spacing: 7

                Rectangle {
                    id: reply

                    visible: row.hasReply
                    implicitWidth: Math.max(replyAuthorText.implicitWidth, replyQuote.implicitWidth) + 18
                    Layout.fillWidth: true
                    Layout.preferredHeight: replyColumn.implicitHeight + 14
                    radius: 11
                    color: row.outgoing ? Theme.withOpacity(Theme.white, 0.16) : Theme.withOpacity(Theme.tarPink, 0.08)

                    Column {
                        id: replyColumn
                        x: 9
                        y: 7
                        width: parent.width - 18
                        spacing: 2

                        StyledText {
                            id: replyAuthorText
                            width: parent.width
                            text: row.replyAuthor
                            textStyle: Theme.Caption2
                            weight: Font.Bold
                            color: row.outgoing ? Theme.withOpacity(Theme.white, 0.78) : Theme.tarPink
                            elide: Text.ElideRight
                        }
                        StyledText {
                            id: replyQuote
                            width: parent.width
                            text: row.replyText
                            textFormat: Text.PlainText
                            textStyle: Theme.Caption2
                            color: replyAuthorText.color
                            wrapMode: Text.Wrap
                            maximumLineCount: 2
                            elide: Text.ElideRight
                        }
                    }
                }

                SupportFormattedMessageText {
                    id: formatted
                    Layout.fillWidth: true
                    text: row.text
                    foregroundColor: row.foreground
                    accentColor: row.outgoing ? Theme.withOpacity(Theme.white, 0.82) : Theme.tarPink
                    codeBackground: row.outgoing ? Theme.withOpacity(Theme.white, 0.14) : Theme.tarPaper
                    onLinkActivated: link => row.linkRequested(link)
                }

                Row {
                    id: status

                    Layout.alignment: row.outgoing ? Qt.AlignRight : Qt.AlignLeft
                    spacing: 4

                    readonly property color tint: row.outgoing ? Theme.withOpacity(Theme.white, 0.7) : Theme.secondaryLabel

                    SymbolImage {
                        visible: row.pinned
                        anchors.verticalCenter: parent.verticalCenter
                        name: "pin.fill"
                        size: 8
                        weight: Font.Bold
                        color: status.tint
                    }
                    StyledText {
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.timeText
                        textStyle: Theme.Caption2
                        color: status.tint
                    }
                    StyledText {
                        visible: row.edited
                        anchors.verticalCenter: parent.verticalCenter
                        text: "изменено"
                        textStyle: Theme.Caption2
                        color: status.tint
                    }
                    SymbolImage {
                        visible: row.outgoing
                        anchors.verticalCenter: parent.verticalCenter
                        name: "checkmark"
                        size: 9
                        weight: Font.Bold
                        color: status.tint
                    }
                }
            }

            TapHandler {
                onLongPressed: row.menuRequested(bubble)
            }
            // With a mouse, the secondary button opens the menu too.
            TapHandler {
                acceptedButtons: Qt.RightButton
                onTapped: row.menuRequested(bubble)
            }
        }

        // Call and link buttons of an assistant message.
        Repeater {
            model: {
                const buttons = []
                if (row.phoneUrl.toString().length > 0)
                    buttons.push({ title: "Позвонить по номеру", icon: "phone.fill", link: row.phoneUrl })
                if (row.webUrl.toString().length > 0)
                    buttons.push({ title: "Перейти по ссылке", icon: "safari.fill", link: row.webUrl })
                return buttons
            }

            TarvikButton {
                id: linkButton

                required property var modelData

                objectName: "linkButton"
                Layout.fillWidth: true
                Layout.topMargin: 2
                implicitHeight: 44
                buttonStyle: TarvikButton.Plain
                text: linkButton.modelData.title
                onClicked: row.linkRequested(linkButton.modelData.link)

                background: Rectangle {
                    radius: 18
                    color: Theme.white
                    opacity: linkButton.down ? 0.7 : 1
                }
                contentItem: Item {
                    Row {
                        anchors.centerIn: parent
                        spacing: 8

                        SymbolImage {
                            anchors.verticalCenter: parent.verticalCenter
                            name: linkButton.modelData.icon
                            size: Theme.textStyleSize(Theme.Callout)
                            weight: Font.DemiBold
                            color: Theme.tarPink
                        }
                        StyledText {
                            anchors.verticalCenter: parent.verticalCenter
                            text: linkButton.modelData.title
                            textStyle: Theme.Callout
                            weight: Font.DemiBold
                            color: Theme.tarPink
                            Accessible.ignored: true
                        }
                    }
                }
            }
        }

        Row {
            id: rating

            visible: !row.outgoing
            spacing: 6

            Repeater {
                model: [
                    { reaction: "like", symbol: "hand.thumbsup.fill", label: "Нравится" },
                    { reaction: "dislike", symbol: "hand.thumbsdown.fill", label: "Не нравится" }
                ]

                T.Button {
                    id: rate

                    required property var modelData
                    readonly property bool selected: row.reaction === rate.modelData.reaction

                    objectName: rate.modelData.reaction + "Button"
                    implicitWidth: 30
                    implicitHeight: 26
                    Accessible.name: rate.modelData.label
                    Accessible.description: rate.selected ? "Выбрано" : "Не выбрано"
                    onClicked: row.reactionRequested(rate.modelData.reaction)

                    background: Rectangle {
                        radius: height / 2
                        color: rate.selected ? Theme.tarPink : Theme.white
                    }
                    contentItem: Item {
                        SymbolImage {
                            anchors.centerIn: parent
                            name: rate.modelData.symbol
                            size: 11
                            weight: Font.DemiBold
                            color: rate.selected ? Theme.white : Theme.withOpacity(Theme.tarInk, 0.62)
                        }
                    }
                }
            }
        }
    }
}
