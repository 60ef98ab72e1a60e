import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Support

Item {
    id: root
    width: 393
    height: 852

    Component {
        id: typingComponent
        SupportTypingIndicator {}
    }

    Component {
        id: infoComponent
        SupportMessageInfoSheet { anchors.fill: parent }
    }

    Component {
        id: bubbleComponent
        SupportChatBubble {
            width: 361
            messageId: "A"
            timeText: "10:05"
            edited: false
            pinned: false
            reaction: ""
            hasReply: false
            replyAuthor: ""
            replyText: ""
        }
    }

    TestCase {
        name: "SupportParts"
        when: windowShown

        // One dot lit at a time, walking 0, 1, 2 and back to 0; stopped, it stays; started again,
        // it begins at the first dot.
        function test_typingDotsWalk() {
            const typing = createTemporaryObject(typingComponent, root)
            compare(typing.Accessible.name, "Поддержка печатает")
            const lit = () => [0, 1, 2].filter(i => findChild(typing, "typingDot" + i).lit)
            compare(lit(), [0])
            for (const expected of [1, 2, 0, 1]) {
                tryCompare(typing, "phase", expected)
                compare(lit(), [expected])
            }
            typing.running = false
            wait(700)
            compare(typing.phase, 1)
            typing.running = true
            compare(typing.phase, 0)
            tryCompare(typing, "phase", 1)
        }

        // 6 December 2026, 10:00 or 10:01 UTC, as the clock of this machine reads it.
        function localDetails(minute) {
            const time = new Date(Date.UTC(2026, 11, 6, 10, minute))
            const twoDigits = n => (n < 10 ? "0" : "") + n
            return time.getDate() + " декабря 2026, " + twoDigits(time.getHours()) + ":" + twoDigits(time.getMinutes())
        }

        // The read time in full, the month in the genitive: "6 декабря 2026, 10:01".
        function test_infoSheetReadState_data() {
            return [
                { tag: "outgoing, not yet read", message: { text: "Вопрос", outgoing: true, sentAt: 818244000, edited: false },
                  tick: "checkmark", readTime: "Ещё не прочитано", edited: false },
                { tag: "outgoing, read", message: { text: "Вопрос", outgoing: true, sentAt: 818244000, readAt: 818244060, edited: true, editedAt: 818244030 },
                  tick: "checkmark.circle.fill", readTime: localDetails(1), edited: true },
                { tag: "incoming, read when sent", message: { text: "Ответ", outgoing: false, sentAt: 818244000, edited: false },
                  tick: "checkmark.circle.fill", readTime: localDetails(0), edited: false }
            ]
        }

        // A link in the message's text opens from the sheet too.
        function test_infoSheetOpensLinks() {
            const sheet = createTemporaryObject(infoComponent, root, {
                message: { text: "Подробнее: [справка](https://tarvik.ru/help)", outgoing: false, sentAt: 818244000, edited: false }
            })
            const requested = []
            sheet.linkRequested.connect(link => requested.push(link.toString()))
            const text = findChild(sheet, "infoMessageText")
            waitForRendering(text)
            const link = text.positionToRectangle(text.text.length > 0 ? "Подробнее: с".length : 0)
            mouseClick(text, link.x + 2, link.y + link.height / 2)
            compare(requested, ["https://tarvik.ru/help"])
        }

        function test_infoSheetReadState(data) {
            const sheet = createTemporaryObject(infoComponent, root, { message: data.message })
            compare(findChild(sheet, "infoTick").name, data.tick)
            compare(findChild(sheet, "infoReadTime").text, data.readTime)
            compare(findChild(sheet, "infoEdited").visible, data.edited)
        }

        // The link buttons a bubble shows, top to bottom.
        function shownLinkButtons(item) {
            const found = []
            const walk = parent => {
                for (let i = 0; i < parent.children.length; ++i) {
                    const child = parent.children[i]
                    if (child.objectName === "linkButton" && child.visible)
                        found.push(child)
                    walk(child)
                }
            }
            walk(item)
            return found.sort((a, b) => a.mapToItem(item, 0, 0).y - b.mapToItem(item, 0, 0).y)
        }

        // Assistant messages carry the rating row and the link buttons (number first); the user's
        // own messages neither.
        function test_bubbleButtons() {
            const text = "Звоните 8 800 555-35-35 или https://tarvik.ru/help."
            const incoming = createTemporaryObject(bubbleComponent, root, { text: text, outgoing: false })
            compare(shownLinkButtons(incoming).map(button => button.text), ["Позвонить по номеру", "Перейти по ссылке"])
            verify(findChild(incoming, "likeButton").visible)
            compare(findChild(incoming, "likeButton").Accessible.description, "Не выбрано")
            const requested = []
            incoming.linkRequested.connect(link => requested.push(link.toString()))
            mouseClick(shownLinkButtons(incoming)[0])
            compare(requested, ["tel:88005553535"])

            // The avatar stands at the foot of the message column: level with the rating row.
            const avatar = findChild(incoming, "avatar")
            const like = findChild(incoming, "likeButton")
            compare(avatar.mapToItem(incoming, 0, avatar.height).y, like.mapToItem(incoming, 0, like.height).y)

            const outgoing = createTemporaryObject(bubbleComponent, root, { text: text, outgoing: true })
            compare(shownLinkButtons(outgoing).length, 0)
            verify(!findChild(outgoing, "likeButton").visible)
        }
    }
}
