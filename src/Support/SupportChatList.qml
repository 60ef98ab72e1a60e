import QtQuick
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Support

// The chat's messages, 12 apart: the pinned message's banner, one bubble per message of the
// shared history, and the typing indicator while an answer is awaited. The list opens at its end
// and stays there while its bubbles come in; a new message or the typing indicator brings the end
// into view with a short ease-out.
// For the keyboard and a screen reader it is the list "Переписка" and one stop of the Tab order:
// its current message (with that message's buttons). Up and Down go from message to message, and
// the list makes the current one if it has not yet and scrolls it into view. Away from the list,
// the current message stays where the keyboard left it, and follows the newest one as they come.
// When its current message is deleted, the list makes current the message in its place, or the
// nearest one, that shows once the list is at its end: the focus coming back to the list (from the
// delete alert) lands there and scrolls nothing.
//   conversation: the screen's SupportConversation; active: the list is on screen (the typing
//   dots move only then); userScrolled: the user has moved the list
//   menuRequested(row): a bubble asks for its menu (row: the SupportChatBubble)
//   linkRequested(url): a link of a message was tapped
ListView {
    id: list

    required property SupportConversation conversation
    property bool active: true
    // Until the user scrolls, the list opens and stays at its end while its content settles.
    property bool userScrolled: false

    signal menuRequested(SupportChatBubble row)
    signal linkRequested(url link)

    // Internal state.
    // The number of messages after the last change, to tell a message added from one removed.
    property int knownCount: 0
    // Where the current message was removed, until another takes its place; -1: none is.
    property int removedCurrent: -1

    // Where the list's content stands with its end, bottom margin included, at the bottom.
    function endY() {
        return Math.max(originY - topMargin, originY + contentHeight - height + bottomMargin)
    }

    // Puts the end of the list at the bottom.
    function jumpToEnd() {
        positionViewAtEnd()
        contentY = endY()
    }

    // Of the messages wholly in view with the list at its end (laid out there), the one at `row`,
    // else the one nearest to it. Reckoned from the bottom by the rows' heights: rows moving up
    // into a removed one's room are not yet where they go. Wholly means with the room the focus
    // keeps around what it brings into view, so that the focus moves nothing.
    function rowShownAtEnd(row) {
        let bottom = height - bottomMargin - (footerItem ? footerItem.height : 0)
        let first = count
        for (let index = count - 1; index >= 0; --index) {
            const item = itemAtIndex(index)
            if (!item)
                break
            const room = Math.min(16, (height - item.height) / 2)
            if (bottom - item.height < room || bottom > height - room)
                break
            first = index
            bottom -= item.height + spacing
        }
        if (first === count)
            return count - 1
        return Math.max(first, Math.min(row, count - 1))
    }

    // The same with a short ease-out.
    function easeToEnd() {
        const from = contentY
        jumpToEnd()
        if (removedCurrent >= 0 && count > 0) {
            currentIndex = rowShownAtEnd(removedCurrent)
            // A current message pulls the list along as it moves (into the removed one's room);
            // placing the list again ends that, and the message is in view there.
            jumpToEnd()
        }
        removedCurrent = -1
        // The user is taken to the end, and the list keeps it in view while its content settles.
        userScrolled = false
        if (Math.abs(contentY - from) < 1)
            return
        contentY = from
        scroller.startY = from
        scroller.restart()
    }

    // Not while the list lays itself out (the jump lays it out again), and not once the user
    // has taken over meanwhile.
    function settleAtEnd() {
        if (!userScrolled && !scroller.running)
            jumpToEnd()
    }

    // Queued by name, so that the changes of one pass ask for one move.
    function scrollToEnd() {
        Qt.callLater(easeToEnd) // qmllint disable type
    }

    // Away from the list, the newest message becomes the one the keyboard comes back to. The list
    // stays where it is meanwhile: the end comes into view by its own ease-out.
    function currentToEnd() {
        if (activeFocus || count === 0)
            return
        const y = contentY
        currentIndex = count - 1
        contentY = y
    }

    // Up and Down. The message is laid out in view first: the list gives a message it makes the
    // focus before it places it, and the focus would scroll to where it was made.
    function step(event, by) {
        const index = currentIndex + by
        event.accepted = index >= 0 && index < count
        if (!event.accepted)
            return
        scroller.stop()
        positionViewAtIndex(index, ListView.Contain)
        currentIndex = index
    }

    clip: true
    model: SupportChat
    spacing: 12
    topMargin: 16
    bottomMargin: 16
    leftMargin: 16
    rightMargin: 16
    boundsBehavior: Flickable.StopAtBounds
    Accessible.role: Accessible.List
    Accessible.name: "Переписка"

    onCountChanged: {
        if (count > knownCount)
            Qt.callLater(currentToEnd) // qmllint disable type
        knownCount = count
        scrollToEnd()
    }
    Keys.onUpPressed: event => step(event, -1)
    Keys.onDownPressed: event => step(event, 1)
    onMovementStarted: {
        userScrolled = true
        scroller.stop()
    }
    // The keyboard moves the list too: it stays where the keyboard has taken it.
    onCurrentIndexChanged: if (activeFocus) userScrolled = true
    onContentHeightChanged: Qt.callLater(settleAtEnd) // qmllint disable type
    onHeightChanged: Qt.callLater(settleAtEnd) // qmllint disable type
    Component.onCompleted: {
        knownCount = count
        Qt.callLater(currentToEnd) // qmllint disable type
        Qt.callLater(jumpToEnd) // qmllint disable type
    }

    // New messages rise into place; deleted ones fade.
    add: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 240; easing.type: Easing.OutCubic }
        NumberAnimation { property: "scale"; from: 0.96; to: 1; duration: 240; easing.type: Easing.OutCubic }
    }
    remove: Transition {
        NumberAnimation { property: "opacity"; to: 0; duration: 200; easing.type: Easing.OutQuad }
    }
    displaced: Transition {
        NumberAnimation { property: "y"; duration: 200; easing.type: Easing.OutQuad }
    }

    // The ease runs toward the end as it stands in each frame: the rows met on the way, made with
    // their own heights, move the end from where the list had reckoned it from afar.
    NumberAnimation {
        id: scroller

        property real startY
        property real progress

        target: scroller
        property: "progress"
        from: 0
        to: 1
        duration: 220
        easing.type: Easing.OutQuad
        onProgressChanged: list.contentY = startY + (list.endY() - startY) * progress
    }

    Connections {
        target: SupportChat
        function onRowsAboutToBeRemoved(parent, first, last) {
            if (list.currentIndex >= first && list.currentIndex <= last)
                list.removedCurrent = first
        }
    }

    Connections {
        target: list.conversation
        function onPendingResponsesChanged() {
            if (list.conversation.pendingResponses > 0)
                list.scrollToEnd()
        }
    }

    header: Item {
        width: ListView.view.width - 32
        height: SupportChat.hasPinned ? banner.height + 12 : 0

        Rectangle {
            id: banner

            objectName: "pinnedBanner"
            visible: SupportChat.hasPinned
            width: parent.width
            height: bannerText.y + bannerText.height + 11
            radius: 14
            color: Theme.white

            SymbolImage {
                id: pinSymbol
                x: 11
                anchors.verticalCenter: parent.verticalCenter
                name: "pin.fill"
                color: Theme.tarPink
            }
            StyledText {
                id: bannerTitle
                x: pinSymbol.x + pinSymbol.width + 10
                y: 11
                width: parent.width - x - 11
                text: "Закреплённое сообщение"
                textStyle: Theme.Caption
                weight: Font.Bold
                color: Theme.tarPink
            }
            StyledText {
                id: bannerText
                objectName: "pinnedText"
                x: bannerTitle.x
                y: bannerTitle.y + bannerTitle.height + 2
                width: bannerTitle.width
                text: SupportChat.pinnedText
                textFormat: Text.PlainText
                textStyle: Theme.Caption
                color: Theme.tarInk
                maximumLineCount: 1
                elide: Text.ElideRight
            }
        }
    }

    delegate: SupportChatBubble {
        id: bubbleRow

        required property int index

        width: ListView.view.width - 32
        // Until the focus has gone on from it: an item that has the focus stays in the Tab order.
        current: ListView.isCurrentItem || activeFocus
        onActiveFocusChanged: if (activeFocus) list.currentIndex = index // qmllint disable unqualified
        // Fading out, it takes no focus: the list's goes to the message in its place.
        ListView.onRemove: enabled = false
        onMenuRequested: list.menuRequested(bubbleRow) // qmllint disable unqualified
        onReactionRequested: reaction => list.conversation.toggleReaction(reaction, bubbleRow.messageId)
        onLinkRequested: link => list.linkRequested(link)
        onReplyRequested: list.conversation.beginReply(bubbleRow.messageId) // qmllint disable unqualified
        onCopyRequested: list.conversation.copyMessage(bubbleRow.messageId) // qmllint disable unqualified
    }

    footer: Item {
        readonly property bool shown: list.conversation.pendingResponses > 0 // qmllint disable unqualified

        width: ListView.view.width - 32
        height: shown ? typing.height + 12 + 1 : 1

        // Comes up from below with a fade while an answer is awaited.
        SupportTypingIndicator {
            id: typing

            objectName: "typingIndicator"
            y: parent.shown ? 12 : 30
            visible: parent.shown
            running: parent.shown && list.active // qmllint disable unqualified
            opacity: parent.shown ? 1 : 0

            Behavior on y {
                NumberAnimation { duration: 220; easing.type: Easing.OutCubic }
            }
            Behavior on opacity {
                NumberAnimation { duration: 220 }
            }
        }
    }

    T.ScrollIndicator.vertical: TarvikScrollIndicator {}
}
