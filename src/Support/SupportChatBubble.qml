import QtQuick
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Support

// One message of the chat as a row of the list: the subscriber's own on the right in a pink
// bubble, the assistant's on the left in a white one beside her avatar, with call and link
// buttons (when the text holds a number or an address) and the rating row under it. A long press,
// the secondary button, or the Menu key or Shift+F10 on the focused message asks for the message
// menu. It changes nothing itself: every action is a signal.
// Every position and size here is a binding on sizes known as soon as the row is made (text
// metrics, fixed heights), with no layout or positioner that settles later: the list places the
// row by the height it has when it is made, and a height that changed afterwards made the list
// drop the row and make it again, over and over, while it was wheeled up.
//   messageId, text, outgoing, timeText, edited, pinned, reaction ("like", "dislike" or ""),
//   hasReply, replyAuthor, replyText: the message (the chat model's roles)
//   current: the list's current message, whose message and buttons are stops of the Tab order
//   menuRequested(bubble), reactionRequested(reaction), linkRequested(url),
//   replyRequested(), copyRequested(): the accessibility actions of the bubble
FocusScope {
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
    property bool current: false

    // The bubble itself, for placing the menu beside it, and what reads the message out, where the
    // focus comes back from the menu.
    readonly property alias bubble: bubble
    readonly property alias accessibleMessage: accessibleMessage
    readonly property url phoneUrl: outgoing ? "" : SupportText.phoneUrl(text)
    readonly property url webUrl: outgoing ? "" : SupportText.webUrl(text)
    readonly property bool hasPhone: phoneUrl != ""
    readonly property bool hasWeb: webUrl != ""
    readonly property real columnX: outgoing ? 0 : 34 + 8
    readonly property real columnMaxWidth: Math.max(0, width - 52 - 8 - columnX)
    readonly property color foreground: outgoing ? Theme.white : Theme.tarInk

    signal menuRequested(Item bubble)
    signal reactionRequested(string reaction)
    signal linkRequested(url link)
    signal replyRequested()
    signal copyRequested()

    // The keyboard comes back to a message at the message itself, not at a button it left.
    onActiveFocusChanged: if (!activeFocus) accessibleMessage.focus = true

    // Whole points: the list adds the rows up to place them and to know where its ends are.
    implicitHeight: Math.ceil(outgoing ? bubble.height : extras.y + extras.height)

    // Beside the foot of the message column (bubble, buttons and rating), as the row is aligned
    // at the bottom.
    SupportMariaAvatar {
        id: avatar
        objectName: "avatar"
        visible: !row.outgoing
        size: 34
        y: row.height - height
    }

    Rectangle {
        id: bubble

        objectName: "bubble"
        readonly property real contentWidth: Math.min(row.columnMaxWidth - 30,
                                                      Math.max(formatted.naturalWidth, status.width,
                                                               row.hasReply ? reply.naturalWidth : 0))

        x: row.outgoing ? row.width - width : row.columnX
        width: contentWidth + 30
        height: status.y + status.height + 11
        radius: 18
        color: row.outgoing ? Theme.tarPink : Theme.white

        Rectangle {
            id: reply

            readonly property real naturalWidth: Math.max(replyAuthorText.implicitWidth, replyQuote.implicitWidth) + 18

            visible: row.hasReply
            x: 15
            y: 11
            width: bubble.contentWidth
            height: visible ? replyQuote.y + replyQuote.height + 7 : 0
            radius: 11
            color: row.outgoing ? Theme.withOpacity(Theme.white, 0.16) : Theme.withOpacity(Theme.tarPink, 0.08)

            StyledText {
                id: replyAuthorText
                x: 9
                y: 7
                width: parent.width - 18
                text: row.replyAuthor
                textFormat: Text.PlainText
                textStyle: Theme.Caption2
                weight: Font.Bold
                color: row.outgoing ? Theme.withOpacity(Theme.white, 0.78) : Theme.tarPink
                elide: Text.ElideRight
            }
            StyledText {
                id: replyQuote
                x: 9
                y: replyAuthorText.y + replyAuthorText.height + 2
                width: parent.width - 18
                text: row.replyText
                textFormat: Text.PlainText
                textStyle: Theme.Caption2
                color: replyAuthorText.color
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
            }
        }

        SupportFormattedMessageText {
            id: formatted

            objectName: "messageText"
            x: 15
            y: row.hasReply ? reply.y + reply.height + 7 : 11
            width: bubble.contentWidth
            messageText: row.text
            foregroundColor: row.foreground
            accentColor: row.outgoing ? Theme.withOpacity(Theme.white, 0.82) : Theme.tarPink
            codeBackground: row.outgoing ? Theme.withOpacity(Theme.white, 0.14) : Theme.tarPaper
            Accessible.ignored: true
            onLinkActivated: link => row.linkRequested(link)

            // On the text too: the text takes the presses it selects with.
            TapHandler {
                onLongPressed: row.menuRequested(bubble)
            }
            TapHandler {
                acceptedButtons: Qt.RightButton
                onTapped: row.menuRequested(bubble)
            }
        }

        // Time and marks, trailing on the user's own messages: pin, time, "изменено", tick.
        Item {
            id: status

            readonly property color tint: row.outgoing ? Theme.withOpacity(Theme.white, 0.7) : Theme.secondaryLabel

            x: row.outgoing ? bubble.width - 15 - width : 15
            y: formatted.y + formatted.height + 7
            width: tick.visible ? tick.x + tick.width : tick.x - 4
            height: time.height

            SymbolImage {
                id: pin
                readonly property real room: visible ? width + 4 : 0
                visible: row.pinned
                anchors.verticalCenter: parent.verticalCenter
                name: "pin.fill"
                size: 8
                weight: Font.Bold
                color: status.tint
            }
            // The time and the mark are read with the message (its description).
            StyledText {
                id: time
                x: pin.room
                text: row.timeText
                textStyle: Theme.Caption2
                color: status.tint
                Accessible.ignored: true
            }
            StyledText {
                id: editedMark
                readonly property real room: visible ? implicitWidth + 4 : 0
                visible: row.edited
                x: time.x + time.implicitWidth + 4
                text: "изменено"
                textStyle: Theme.Caption2
                color: status.tint
                Accessible.ignored: true
            }
            SymbolImage {
                id: tick
                visible: row.outgoing
                x: editedMark.x + editedMark.room
                anchors.verticalCenter: parent.verticalCenter
                name: "checkmark"
                size: 9
                weight: Font.Bold
                color: status.tint
            }
        }

        SupportAccessibleMessage {
            id: accessibleMessage

            objectName: "accessibleMessage"
            anchors.fill: parent
            name: row.text
            description: row.timeText + (row.edited ? ", " + editedMark.text : "")
            Accessible.role: Accessible.StaticText
            focus: true
            activeFocusOnTab: row.current
            onReplyRequested: row.replyRequested()
            onCopyRequested: row.copyRequested()
            onMenuRequested: row.menuRequested(bubble)
            Keys.onPressed: event => {
                if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && event.modifiers & Qt.ShiftModifier)) {
                    event.accepted = true
                    row.menuRequested(bubble)
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

    // Under an assistant message: call and link buttons (number first), then the rating row.
    Item {
        id: extras

        // Only the current message's buttons are stops of the Tab order.
        readonly property int focusPolicy: row.current ? Qt.StrongFocus : Qt.ClickFocus

        visible: !row.outgoing
        x: row.columnX
        y: bubble.height + 5
        width: row.columnMaxWidth
        height: visible ? rating.y + rating.height : 0

        component LinkButton: TarvikButton {
            id: linkButton

            property string symbol

            objectName: "linkButton"
            width: parent.width
            height: 44
            buttonStyle: TarvikButton.Plain

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
                        name: linkButton.symbol
                        size: Theme.textStyleSize(Theme.Callout)
                        weight: Font.DemiBold
                        color: Theme.tarPink
                    }
                    StyledText {
                        anchors.verticalCenter: parent.verticalCenter
                        text: linkButton.text
                        textStyle: Theme.Callout
                        weight: Font.DemiBold
                        color: Theme.tarPink
                        Accessible.ignored: true
                    }
                }
            }
        }

        component RatingButton: T.Button {
            id: rate

            required property string kind
            property string symbol
            property bool selected

            objectName: kind + "Button"
            width: 30
            height: 26
            Accessible.description: selected ? "Выбрано" : "Не выбрано"

            background: Rectangle {
                radius: height / 2
                color: rate.selected ? Theme.tarPink : Theme.white
            }
            contentItem: Item {
                SymbolImage {
                    anchors.centerIn: parent
                    name: rate.symbol
                    size: 11
                    weight: Font.DemiBold
                    color: rate.selected ? Theme.white : Theme.withOpacity(Theme.tarInk, 0.62)
                }
            }
        }

        LinkButton {
            id: phoneButton
            focusPolicy: extras.focusPolicy
            visible: row.hasPhone
            y: 0
            text: "Позвонить по номеру"
            symbol: "phone.fill"
            onClicked: row.linkRequested(row.phoneUrl)
        }
        LinkButton {
            id: webButton
            focusPolicy: extras.focusPolicy
            visible: row.hasWeb
            y: row.hasPhone ? phoneButton.height + 7 : 0
            text: "Перейти по ссылке"
            symbol: "safari.fill"
            onClicked: row.linkRequested(row.webUrl)
        }

        Item {
            id: rating

            y: row.hasWeb ? webButton.y + webButton.height + 7 : row.hasPhone ? phoneButton.height + 7 : 0
            width: dislike.x + dislike.width
            height: 26

            RatingButton {
                id: like
                focusPolicy: extras.focusPolicy
                kind: "like"
                symbol: "hand.thumbsup.fill"
                text: "Нравится"
                selected: row.reaction === kind
                onClicked: row.reactionRequested(kind)
            }
            RatingButton {
                id: dislike
                focusPolicy: extras.focusPolicy
                x: like.width + 6
                kind: "dislike"
                symbol: "hand.thumbsdown.fill"
                text: "Не нравится"
                selected: row.reaction === kind
                onClicked: row.reactionRequested(kind)
            }
        }
    }
}
