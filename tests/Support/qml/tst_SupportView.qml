import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Support
import TarvikTest

Item {
    id: root
    width: 393
    height: 852

    // As in the app's window: the focus is brought into view.
    FocusScroller {}

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
        id: homeComponent
        NavigationStack {
            anchors.fill: parent
            initialItem: NavigationPage { title: "Главная" }
        }
    }

    TestCase {
        name: "SupportView"
        when: windowShown

        function cleanup() {
            SupportTest.officeFound = true
        }

        function makeTab() {
            const stack = createTemporaryObject(tabComponent, root)
            verify(stack)
            tryCompare(stack, "busy", false)
            return stack
        }

        function list(screen) {
            tryVerify(() => screen.messageList !== null)
            return screen.messageList
        }

        function bubbleAt(screen, row) {
            const view = list(screen)
            // A screen just made lays its list out with its first frame.
            tryVerify(() => {
                view.positionViewAtIndex(row, ListView.Contain)
                return view.itemAtIndex(row) !== null
            })
            return view.itemAtIndex(row)
        }

        function typeDraft(screen, text) {
            const field = findChild(screen, "composerField")
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            // Latin letters and spaces only: what the test keyboard can type.
            for (const character of text)
                keyClick(character === " " ? Qt.Key_Space : character)
            return field
        }

        function texts(buttons) {
            const found = []
            for (let i = 0; i < buttons.length; ++i)
                found.push(buttons[i].text)
            return found
        }

        // The text of the message that has the focus ("" when none has it).
        function focusedMessage() {
            const item = root.Window.activeFocusItem
            return item && item.objectName === "accessibleMessage" ? item.name : ""
        }

        function openMenu(screen, row, entry) {
            const item = bubbleAt(screen, row)
            item.menuRequested(item.bubble)
            const menu = findChild(screen, "messageMenu")
            tryCompare(menu, "opened", true)
            const choice = findChild(menu.contentItem, "menu_" + entry)
            verify(choice, "menu entry " + entry)
            mouseClick(choice)
            tryCompare(menu, "visible", false)
        }

        // Pushed from the home dashboard, "Назад" closes the screen; as the tab it goes home.
        function test_backClosesAPushedScreen() {
            const home = createTemporaryObject(homeComponent, root)
            home.push("qrc:/qt/qml/Tarvik/Support/SupportView.qml")
            tryCompare(home, "busy", false)
            compare(home.depth, 2)
            mouseClick(findChild(home.currentItem, "supportBackButton"))
            tryCompare(home, "depth", 1)

            const tab = makeTab()
            mouseClick(findChild(tab.currentItem, "supportBackButton"))
            compare(tab.selectedTab, ShellTab.Home)
            compare(tab.depth, 1)
        }

        function test_sendsAndTheAssistantAnswers() {
            const screen = makeTab().currentItem
            const send = findChild(screen, "sendButton")
            const start = SupportChat.count
            typeDraft(screen, "  ")
            verify(!send.enabled)
            compare(send.opacity, 0.45)
            typeDraft(screen, "No network ")
            verify(send.enabled)
            compare(send.opacity, 1)
            mouseClick(send)
            compare(SupportChat.count, start + 1)
            compare(SupportChat.get(start).text, "No network")
            compare(findChild(screen, "composerField").text, "")
            // The button, disabled now, handed the focus on to the field.
            verify(findChild(screen, "composerField").activeFocus)
            tryVerify(() => findChild(screen, "typingIndicator") && findChild(screen, "typingIndicator").visible)
            tryCompare(SupportChat, "count", start + 2)
            tryCompare(screen.conversation, "pendingResponses", 0)
            // The end of the list is in view.
            tryVerify(() => list(screen).atYEnd)
        }

        // Long text scrolls inside the field's padding: nothing is drawn over the 15 points at its
        // left edge.
        function test_longDraftKeepsThePadding() {
            const screen = makeTab().currentItem
            const field = typeDraft(screen, "the router was restarted three times and the light is still off")
            const fill = field.parent
            waitForRendering(fill)
            // The whole window: grabImage() of an item deep in the scene crops the wrong place.
            const image = grabImage(root)
            const origin = fill.mapToItem(root, 0, 0)
            for (let x = 3; x < 14; ++x) {
                for (let y = fill.height / 2 - 6; y <= fill.height / 2 + 6; y += 2)
                    compare(String(image.pixel(origin.x + x, origin.y + y)), String(Theme.white), "pixel " + x + ", " + y)
            }
        }

        function test_quickTopicSendsItsMessage() {
            const screen = makeTab().currentItem
            const start = SupportChat.count
            const topics = findChild(screen, "quickTopics")
            const topic = findChild(topics, "topic2")
            topics.contentX = Math.min(topic.x, topics.contentWidth - topics.width)
            mouseClick(topic)
            compare(SupportChat.get(start).text, "Как пополнить баланс лицевого счёта?")
            // The message field has the focus: a key typed next is not a second send.
            const field = findChild(screen, "composerField")
            verify(field.activeFocus)
            keyClick(Qt.Key_Space)
            keyClick("a")
            compare(field.text, " a")
            tryCompare(SupportChat, "count", start + 2)
            compare(SupportChat.get(start + 1).outgoing, false)
        }

        // Edit from the menu: the field holds the text, the send button shows a tick, the close
        // button empties the field. A reply and the close button leave the focus in the field.
        function test_editsThroughTheMenu() {
            const screen = makeTab().currentItem
            screen.conversation.sendText("Черновик")
            const row = SupportChat.count - 1
            openMenu(screen, row, "edit")
            // The choice comes once the menu has gone; the bar then slides in.
            const bar = findChild(screen, "contextBar")
            tryCompare(bar, "opacity", 1)
            const field = findChild(screen, "composerField")
            compare(field.text, "Черновик")
            compare(findChild(screen, "contextTitle").text, "Редактирование сообщения")
            verify(screen.conversation.editing)
            mouseClick(findChild(screen, "contextCloseButton"))
            compare(field.text, "")
            tryCompare(bar, "visible", false)
            verify(field.activeFocus)
            openMenu(screen, row, "reply")
            tryVerify(() => field.activeFocus && screen.conversation.replying)

            openMenu(screen, row, "edit")
            tryCompare(bar, "opacity", 1)
            typeDraft(screen, "Done")
            mouseClick(findChild(screen, "sendButton"))
            compare(SupportChat.get(row).text, "Done")
            verify(SupportChat.get(row).edited)
        }

        // The focus comes back to the message, or once it is deleted to the one in its place, or
        // with the last one gone to the message field.
        function test_deleteAsksFirst() {
            const screen = makeTab().currentItem
            screen.conversation.sendText("Удалить меня")
            tryCompare(screen.conversation, "pendingResponses", 0)
            const answer = SupportChat.count - 1
            openMenu(screen, answer, "delete")
            const alert = findChild(screen, "deleteAlert")
            tryCompare(alert, "opened", true)
            compare(alert.title, "Удалить сообщение?")
            // An assistant message cannot be deleted for everyone.
            compare(texts(alert.buttons), ["Удалить только у меня", "Отмена"])
            alert.trigger(alert.buttons[1])
            tryCompare(alert, "visible", false)
            tryCompare(root.Window, "activeFocusItem", bubbleAt(screen, answer).accessibleMessage)
            const start = SupportChat.count

            openMenu(screen, answer - 1, "delete")
            tryCompare(alert, "opened", true)
            compare(texts(alert.buttons), ["Удалить только у меня", "Удалить у всех", "Отмена"])
            alert.trigger(alert.buttons[0])
            compare(SupportChat.count, start - 1)
            tryCompare(screen, "deleteCandidate", null)
            tryCompare(root.Window, "activeFocusItem", bubbleAt(screen, answer - 1).accessibleMessage)

            SupportTest.fillChat(["Одно"])
            openMenu(screen, 0, "delete")
            tryCompare(alert, "opened", true)
            alert.trigger(alert.buttons[0])
            tryVerify(() => findChild(screen, "composerField").activeFocus)
        }

        function test_reactionsAndPinBanner() {
            const screen = makeTab().currentItem
            const greeting = bubbleAt(screen, 0)
            mouseClick(findChild(greeting, "likeButton"))
            compare(SupportChat.get(0).reaction, "like")
            mouseClick(findChild(greeting, "dislikeButton"))
            compare(SupportChat.get(0).reaction, "dislike")
            mouseClick(findChild(greeting, "dislikeButton"))
            compare(SupportChat.get(0).reaction, "")
            openMenu(screen, 0, "pin")
            verify(SupportChat.hasPinned)
            tryVerify(() => findChild(screen, "pinnedBanner") && findChild(screen, "pinnedBanner").visible)
            openMenu(screen, 0, "pin")
            verify(!SupportChat.hasPinned)
        }

        // A screen reader finds the message field by its name, the messages in the list "Переписка",
        // and on a message offers "Ответить", "Скопировать" and "Показать меню".
        function test_screenReaderUse() {
            const screen = makeTab().currentItem
            screen.conversation.sendText("Нет связи с утра")
            const field = findChild(screen, "composerField")
            compare(SupportTest.accessibility(field).name, "Сообщение")
            const send = findChild(screen, "sendButton")
            verify(SupportTest.accessibility(send).disabled, "nothing to send: the button says so")
            screen.conversation.draft = "Ещё"
            verify(!SupportTest.accessibility(send).disabled)
            screen.conversation.draft = ""

            const row = SupportChat.count - 1
            const message = findChild(bubbleAt(screen, row), "accessibleMessage")
            const node = SupportTest.accessibility(message)
            compare(node.name, "Нет связи с утра")
            compare(node.actions, ["Ответить", "Скопировать", "Показать меню", "SetFocus"])
            verify(node.parented, "the message is a child of the list in the tree")
            compare(SupportTest.accessibility(list(screen)).name, "Переписка")
            SupportTest.doAccessibleAction(message, "Скопировать")
            compare(SupportTest.clipboardText(), "Нет связи с утра")
            SupportTest.doAccessibleAction(message, "Ответить")
            compare(screen.conversation.composerContextTitle, "Ответ Вы: Нет связи с утра")
        }

        // The list is one stop of the Tab order, between the quick topics and the section picker:
        // its newest message. Up walks every message, the ones not made yet included, each
        // brought into view.
        function test_keyboardWalksTheMessages() {
            const texts = []
            for (let i = 0; i < 40; ++i)
                texts.push("Сообщение " + i)
            SupportTest.fillChat(texts)
            const screen = makeTab().currentItem
            const view = list(screen)
            tryVerify(() => view.atYEnd)
            findChild(screen, "composerField").forceActiveFocus()
            for (let i = 0; i <= screen.quickTopics.length; ++i)
                keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            compare(focusedMessage(), texts[39])
            for (let i = 38; i >= 0; --i) {
                keyClick(Qt.Key_Up)
                compare(focusedMessage(), texts[i])
                const shown = () => {
                    const place = root.Window.activeFocusItem.mapToItem(view, 0, 0)
                    return place.y >= 0 && place.y + root.Window.activeFocusItem.height <= view.height
                }
                tryVerify(shown, 5000, texts[i] + " in view")
            }
            keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            verify(findChild(screen, "segment1").activeFocus)
        }

        // Message text is selected with the mouse and copied as it reads.
        function test_selectsAndCopiesText() {
            const screen = makeTab().currentItem
            screen.conversation.sendText("Первое слово и второе")
            const bubble = bubbleAt(screen, SupportChat.count - 1)
            const text = findChild(bubble, "messageText")
            waitForRendering(text)
            mouseDrag(text, 1, text.height / 2, text.width - 2, 0)
            tryCompare(text, "selectedText", "Первое слово и второе")
            keySequence(StandardKey.Copy)
            compare(SupportTest.clipboardText(), "Первое слово и второе")
            // The text still opens the message's menu.
            mouseClick(text, text.width / 2, text.height / 2, Qt.RightButton)
            const menu = findChild(screen, "messageMenu")
            tryCompare(menu, "opened", true)
            menu.close()
            tryCompare(menu, "visible", false)
        }

        // Two screens, one history: what the pushed one sends, the tab shows.
        function test_twoScreensShareTheHistory() {
            const tab = makeTab().currentItem
            const home = createTemporaryObject(homeComponent, root)
            home.push("qrc:/qt/qml/Tarvik/Support/SupportView.qml")
            tryCompare(home, "busy", false)
            const before = list(tab).count
            home.currentItem.conversation.sendText("С главной")
            compare(list(tab).count, before + 1)
            home.pop()
            tryCompare(home, "busy", false)
            // The pushed screen went before its answer: none comes.
            compare(SupportChat.get(SupportChat.count - 1).text, "С главной")
        }

        // No dialer here: the call button shows the number with a copy button.
        function test_callWithoutDialerShowsTheNumber() {
            const screen = makeTab().currentItem
            compare(findChild(screen, "supportCallButton").text, "Позвонить в Tarvik: плюс семь, 495, 318-42-77")
            mouseClick(findChild(screen, "supportCallButton"))
            tryCompare(screen, "callPresented", true)
            compare(SupportTest.openedUrls[SupportTest.openedUrls.length - 1], "tel:+74953184277")
            const sheet = findChild(screen, "callSheet")
            tryCompare(sheet, "opened", true)
            compare(findChild(sheet.contentItem, "copiedText").text, "+7 (495) 318-42-77")
            mouseClick(findChild(sheet.contentItem, "copyButton"))
            tryCompare(screen, "callPresented", false)
        }

        // The dialer answers after the tab was switched away: the number comes up when it is back.
        function test_callAnsweredWhileAwayWaitsForTheTab() {
            const tab = makeTab()
            const screen = tab.currentItem
            mouseClick(findChild(screen, "supportCallButton"))
            tab.visible = false
            tryCompare(screen, "callPresented", true)
            const sheet = findChild(screen, "callSheet")
            verify(!sheet.visible)
            tab.visible = true
            tryCompare(sheet, "opened", true)
            sheet.close()
            tryCompare(screen, "callPresented", false)
        }

        // A lookup that found nothing is not made again as the office shows again: the marker
        // stays at the office's configured place, and nothing is said.
        function test_aFailedLookupIsMadeOnce() {
            SupportTest.officeFound = false
            const screen = makeTab().currentItem
            const before = SupportTest.geocodeCount
            const start = { latitude: screen.office.latitude, longitude: screen.office.longitude }
            for (let shown = 0; shown < 4; ++shown) {
                mouseClick(findChild(screen, "segment1"))
                tryVerify(() => findChild(screen, "officeMap") !== null)
                waitForRendering(screen)
                mouseClick(findChild(screen, "segment0"))
                tryVerify(() => findChild(screen, "officeMap") === null)
            }
            compare(SupportTest.geocodeCount, before + 1)
            compare(screen.office.latitude, start.latitude)
            compare(screen.office.longitude, start.longitude)
            compare(screen.office.regionLatitudeSpan, 0.012)
        }

        // The office section looks the address up once per screen, however often it shows.
        function test_officeLooksUpOnce() {
            const screen = makeTab().currentItem
            const before = SupportTest.geocodeCount
            mouseClick(findChild(screen, "segment1"))
            tryVerify(() => findChild(screen, "officeMap") !== null)
            compare(SupportTest.geocodeCount, before + 1)
            tryCompare(screen.office, "latitude", 55.76)
            const map = findChild(screen, "officeMap")
            compare(map.Accessible.name, "Интерактивная карта с адресом")
            mouseClick(findChild(screen, "segment0"))
            mouseClick(findChild(screen, "segment1"))
            tryVerify(() => findChild(screen, "officeMap") !== null)
            compare(SupportTest.geocodeCount, before + 1)
            // The map shows the found place: the pin's anchor is in the middle of the view.
            const office = findChild(screen, "officeMap")
            tryVerify(() => Math.abs(office.officePoint.x - office.width / 2) < 1 && Math.abs(office.officePoint.y - office.height / 2) < 1)
        }
    }
}
