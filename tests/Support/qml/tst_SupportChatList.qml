import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Support
import TarvikTest

// The chat's list as a subscriber who keeps a long history meets it: scrolled with a wheel from
// the end to the top and back, switched to the office and back, and left alone.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: tabComponent
        NavigationStack {
            id: tab
            property int selectedTab: ShellTab.Support
            anchors.fill: parent
            initialItem: SupportView { tabHost: tab }
        }
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
        }
    }

    // Messages of every kind a bubble draws: plain ones, numbers, links, quotes, lists, code.
    readonly property var kinds: [
        "Здравствуйте! Меня зовут Мария. Я помогу с оплатой, тарифом, услугами и заявками.",
        "Не работает интернет с утра",
        "Позвоните нам: +7 (495) 318-42-77, поможем.",
        "Вот *скриншот* ошибки, роутер ~перезагружал~",
        "Подробности на https://tarvik.ru/help и по телефону 8 800 555-35-35.",
        "> Позвоните нам\nА если не дозвонюсь?",
        "Проверьте:\n1. Кабель\n2. Индикатор `WAN`\n- питание\n* розетку",
        "```\nping 8.8.8.8\nPING 8.8.8.8: 56 data bytes\n```",
        "Спасибо",
        "Очень длинное сообщение, которое занимает несколько строк в пузыре и переносится по словам, чтобы проверить высоту строки после переноса."
    ]

    TestCase {
        name: "SupportChatList"
        when: windowShown

        function makeScreen(count) {
            const texts = []
            for (let i = 0; i < count; ++i)
                texts.push(root.kinds[i % root.kinds.length])
            SupportTest.fillChat(texts)
            const stack = createTemporaryObject(tabComponent, root)
            verify(stack)
            tryCompare(stack, "busy", false)
            const screen = stack.currentItem
            tryVerify(() => screen.messageList !== null)
            tryVerify(() => screen.messageList.atYEnd)
            return screen
        }

        // Until the list has stopped. A wheel flick that ends a point short of a bound (the list
        // corrects its estimated extent on the way) can leave Flickable's moving flags set with
        // nothing moving; a zero velocity says the same.
        function settle(list) {
            tryVerify(() => (!list.moving && !list.flicking) || list.verticalVelocity === 0, 10000)
        }

        function atTop(list) {
            return list.contentY - (list.originY - list.topMargin) < 1.5
        }

        function atBottom(list) {
            return list.originY + list.contentHeight - list.height + list.bottomMargin - list.contentY < 1.5
        }

        // Frames drawn in `ms` milliseconds.
        function framesIn(ms) {
            let frames = 0
            const count = () => ++frames
            root.Window.window.frameSwapped.connect(count)
            wait(ms)
            root.Window.window.frameSwapped.disconnect(count)
            return frames
        }

        // Once what moves has stopped (transitions, the scroll indicator fading), nothing is drawn.
        function goesIdle() {
            for (let i = 0; i < 10; ++i) {
                if (framesIn(500) === 0)
                    return true
            }
            return false
        }

        // The list places a bubble by the height it has when it is made: a bubble whose height
        // still changes afterwards (a layout settling later) makes the list take it away and make
        // it again, over and over, when it is wheeled up.
        function test_bubbleHasItsHeightWhenMade_data() {
            const rows = []
            for (let i = 0; i < root.kinds.length; ++i) {
                rows.push({ tag: "incoming " + i, text: root.kinds[i], outgoing: false, hasReply: false })
                rows.push({ tag: "outgoing " + i, text: root.kinds[i], outgoing: true, hasReply: i % 3 === 0 })
            }
            return rows
        }

        function test_bubbleHasItsHeightWhenMade(data) {
            const bubble = createTemporaryObject(bubbleComponent, root, {
                text: data.text, outgoing: data.outgoing, hasReply: data.hasReply,
                replyAuthor: data.hasReply ? "Мария" : "", replyText: data.hasReply ? root.kinds[9] : ""
            })
            const made = bubble.height
            verify(made > 0)
            waitForRendering(bubble)
            compare(bubble.height, made)
        }

        // Wheeled from the end to the top and back, in small and in large steps: the list gets
        // there and stops, bubbles are made only as they come into view, and afterwards nothing
        // is drawn.
        function test_wheelScrollSettles() {
            const screen = makeScreen(30)
            const list = screen.messageList
            let added = 0
            let before = list.contentItem.children.length
            const countAdded = () => {
                const now = list.contentItem.children.length
                if (now > before)
                    added += now - before
                before = now
            }
            list.contentItem.childrenChanged.connect(countAdded)
            // As a hand turns a wheel: a notch or ten at a time, a few dozen a second.
            const wheelTo = (atEnd, step) => {
                for (let i = 0; i < 200 && !atEnd(); ++i) {
                    mouseWheel(list, list.width / 2, list.height / 2, 0, step)
                    wait(40)
                }
                settle(list)
                return atEnd()
            }
            for (const step of [120, 1200]) {
                verify(wheelTo(() => atTop(list), step), "the wheel reaches the first message")
                verify(wheelTo(() => atBottom(list), -step), "the wheel reaches the last message")
            }
            list.contentItem.childrenChanged.disconnect(countAdded)
            // Four passes over thirty bubbles: each made a few times at most.
            verify(added <= 30 * 4 * 2, "bubbles made: " + added)
            verify(goesIdle(), "the window keeps drawing")
        }

        // Back from the office, the chat is as it was: scrolled where the user left it, its
        // bubbles in order, 12 apart, none over another.
        function test_chatComesBackFromTheOffice() {
            const screen = makeScreen(12)
            const list = screen.messageList
            for (let i = 0; i < 20 && list.atYEnd; ++i) {
                mouseWheel(list, list.width / 2, list.height / 2, 0, 120)
                wait(40)
            }
            verify(!list.atYEnd)
            settle(list)
            const scrolledTo = list.contentY
            for (let round = 0; round < 2; ++round) {
                mouseClick(findChild(screen, "segment1"))
                tryVerify(() => findChild(screen, "officeMap") !== null)
                mouseClick(findChild(screen, "segment0"))
                tryVerify(() => screen.messageList !== null)
                waitForRendering(screen.messageList)
                compare(screen.messageList.contentY, scrolledTo)
                const shown = []
                for (let row = 0; row < list.count; ++row) {
                    const item = list.itemAtIndex(row)
                    if (item)
                        shown.push(item)
                }
                verify(shown.length >= 3)
                for (let i = 1; i < shown.length; ++i)
                    compare(shown[i].y - (shown[i - 1].y + shown[i - 1].height), 12, "space between bubbles " + (i - 1) + " and " + i)
            }
        }
    }
}
