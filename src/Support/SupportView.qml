import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Support

// The support screen: the chat with the assistant "Мария" and the office on the map, switched by
// a two-part picker. The history is the app's one SupportChat store, shared with every other
// support screen; this screen keeps its composer, pending answers, office location and sheets.
// As the shell's support tab it is given `tabHost` (whose selectedTab is the shell's) and "Назад"
// goes to the home tab; pushed from the home dashboard, "Назад" closes it.
//   tabHost: object with selectedTab, or null; section: 0 chat, 1 office
//   readonly conversation: SupportConversation; readonly office: SupportOfficeLocation
NavigationPage {
    id: screen

    property var tabHost: null
    property int section: 0
    // Sheets and the delete question; each shows while its value is set and the screen is in view
    // (they come a moment after the menu, or once the dialer has answered).
    property var deleteCandidate: null
    property var infoMessage: null
    property string shareText: ""
    property bool sharePresented: false
    property string callNumber: ""
    property bool callPresented: false
    property string pendingCall: ""
    readonly property alias conversation: conversation
    readonly property alias office: office
    // The chat's message list while the chat section shows.
    readonly property Item messageList: screen.section === 0 ? chatList : null
    readonly property var quickTopics: [
        { title: "Нет интернета", message: "У меня не работает интернет. Помогите найти причину.", icon: "wifi.slash" },
        { title: "Низкая скорость", message: "Скорость интернета стала низкой. Помогите проверить соединение.", icon: "speedometer" },
        { title: "Пополнить баланс", message: "Как пополнить баланс лицевого счёта?", icon: "rublesign.circle" },
        { title: "Узнать тариф", message: "Расскажите о моём текущем тарифе.", icon: "doc.text" },
        { title: "Сменить тариф", message: "Я хочу сменить тариф. Какие варианты мне доступны?", icon: "arrow.triangle.2.circlepath" },
        { title: "Настроить роутер", message: "Помогите настроить мой Wi-Fi роутер.", icon: "wifi.router" },
        { title: "Подключить 24ТВ", message: "Я хочу подключить 24ТВ.", icon: "play.tv" },
        { title: "Проблема с ТВ", message: "У меня проблема с телевидением. Помогите устранить её.", icon: "tv.slash" },
        { title: "Кабельное ТВ", message: "Расскажите о подключении и тарифах кабельного телевидения.", icon: "tv" },
        { title: "Домофония", message: "Мне нужна помощь с умной домофонией.", icon: "door.left.hand.open" },
        { title: "Забыл пароль", message: "Я забыл пароль от личного кабинета. Помогите восстановить доступ.", icon: "key" },
        { title: "Статус заявки", message: "Проверьте статус моей заявки.", icon: "clock.arrow.circlepath" },
        { title: "Позвать оператора", message: "Соедините меня с оператором технической поддержки.", icon: "person.crop.circle.badge.questionmark" }
    ]

    function goBack() {
        if (tabHost)
            tabHost.selectedTab = ShellTab.Home
        else if (canGoBack)
            pop()
    }

    // Telephone addresses go to the dialer; where nothing takes them, the number is shown instead.
    function call(link, number) {
        pendingCall = link
        callNumber = number
        UrlOpener.openUrl(link)
    }

    // Links of messages open only with an allowed scheme.
    function openLink(link) {
        if (!SupportText.isOpenable(link))
            return
        const address = link.toString()
        if (address.toLowerCase().startsWith("tel:"))
            call(address, address.substring(4))
        else
            UrlOpener.openUrl(link)
    }

    function messageCopy(messageId) {
        return SupportChat.get(SupportChat.indexOf(messageId))
    }

    title: "Поддержка"
    color: Theme.tarPaper
    backButtonHidden: true

    onOnScreenChanged: onScreen ? conversation.appeared() : conversation.disappeared()
    Component.onCompleted: if (onScreen) conversation.appeared()

    leadingItems: [
        BackBarButton {
            objectName: "supportBackButton"
            Accessible.name: "Назад на главную"
            onClicked: screen.goBack()
        }
    ]

    trailingItems: [
        TarvikButton {
            id: phone

            objectName: "supportCallButton"
            implicitWidth: 38
            implicitHeight: 38
            text: "Позвонить в Tarvik: " + OperatorPhone.spoken
            onClicked: screen.call(OperatorPhone.link, OperatorPhone.text)

            background: Rectangle {
                radius: 19
                color: Theme.ultraThinMaterial
                border.width: 0.7
                border.color: Theme.withOpacity(Theme.white, 0.7)
            }
            contentItem: Item {
                SymbolImage {
                    anchors.centerIn: parent
                    name: "phone.fill"
                    size: Theme.textStyleSize(Theme.Subheadline)
                    weight: Font.DemiBold
                    color: Theme.tarPink
                    opacity: phone.down ? 0.45 : 1
                }
            }
        }
    ]

    SupportConversation {
        id: conversation
        store: SupportChat
        haptics: Haptics
        // Read out where the user is (in the message field, as a rule), without taking the focus.
        onAnswered: text => {
            if (screen.onScreen && screen.section === 0)
                answerAnnouncement.say(text)
        }
    }

    Announcement {
        id: answerAnnouncement
        objectName: "answerAnnouncement"
    }

    SupportOfficeLocation {
        id: office
    }

    Connections {
        target: UrlOpener
        function onOpenFinished(url, opened) {
            if (url.toString() !== screen.pendingCall)
                return
            screen.pendingCall = ""
            if (!opened)
                screen.callPresented = true
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        SegmentedPicker {
            id: picker

            objectName: "sectionPicker"
            Layout.fillWidth: true
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            Layout.topMargin: 12
            Layout.bottomMargin: 10
            label: "Раздел поддержки"
            model: ["Онлайн-чат", "Офис"]
            currentIndex: screen.section
            onActivated: index => screen.section = index
        }

        // The chat stays while the office shows, at the same size: it comes back as it was,
        // scrolled where it was.
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            ColumnLayout {
                id: chatSection

                anchors.fill: parent
                visible: screen.section === 0
                spacing: 0

                SupportChatList {
                    id: chatList

                    objectName: "messageList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    conversation: screen.conversation
                    active: screen.onScreen && chatSection.visible
                    onMenuRequested: row => {
                        menu.messageId = row.messageId
                        menu.messageText = row.text
                        menu.outgoing = row.outgoing
                        menu.pinned = row.pinned
                        menu.popup(row.bubble, row.accessibleMessage)
                    }
                    onLinkRequested: link => screen.openLink(link)
                }

                SupportComposer {
                    id: composer

                    Layout.fillWidth: true
                    conversation: screen.conversation
                    topics: screen.quickTopics
                }
            }

            Loader {
                id: officeLoader

                objectName: "officeLoader"
                anchors.fill: parent
                active: screen.section === 1
                sourceComponent: SupportOfficeSection {
                    location: office // qmllint disable unqualified
                    onCallRequested: screen.call(OperatorPhone.link, OperatorPhone.text) // qmllint disable unqualified
                }
            }
        }
    }

    SupportMessageMenu {
        id: menu

        objectName: "messageMenu"
        property string messageId
        property string messageText

        onReplyChosen: conversation.beginReply(messageId)
        onEditChosen: conversation.beginEditing(messageId)
        onCopyChosen: conversation.copyMessage(messageId)
        onShareChosen: {
            screen.shareText = messageText
            shareDelay.restart()
        }
        onPinChosen: conversation.togglePinned(messageId)
        onInfoChosen: {
            infoDelay.messageId = messageId
            infoDelay.restart()
        }
        onDeleteChosen: {
            deleteDelay.messageId = messageId
            deleteDelay.restart()
        }
    }

    // The menu closes first; what it opens comes 0.2 s later.
    Timer {
        id: shareDelay
        interval: 200
        onTriggered: screen.sharePresented = true
    }
    Timer {
        id: infoDelay
        property string messageId
        interval: 200
        onTriggered: {
            const message = screen.messageCopy(messageId)
            if (message.messageId !== undefined)
                screen.infoMessage = message
        }
    }
    Timer {
        id: deleteDelay
        property string messageId
        interval: 200
        onTriggered: {
            const message = screen.messageCopy(messageId)
            if (message.messageId !== undefined)
                screen.deleteCandidate = message
        }
    }

    AlertButton {
        id: deleteMine
        text: "Удалить только у меня"
        role: AlertButton.Destructive
        onTriggered: conversation.deleteMessage(screen.deleteCandidate.messageId)
    }
    // The chat lives on this device only, so "for everyone" removes the message here as "only for
    // me" does; both are offered for the user's own messages.
    AlertButton {
        id: deleteEverywhere
        text: "Удалить у всех"
        role: AlertButton.Destructive
        onTriggered: conversation.deleteMessage(screen.deleteCandidate.messageId)
    }
    AlertButton {
        id: cancelDelete
        text: "Отмена"
        role: AlertButton.Cancel
    }

    Alert {
        id: deleteAlert

        objectName: "deleteAlert"
        presented: screen.onScreen && screen.deleteCandidate !== null
        // The menu has given the focus back to the message; once it is deleted, the list gives it
        // to the message in its place, or the nearest one, that shows with the list at its end.
        opener: chatList
        title: "Удалить сообщение?"
        buttons: screen.deleteCandidate && screen.deleteCandidate.outgoing ? [deleteMine, deleteEverywhere, cancelDelete]
                                                                            : [deleteMine, cancelDelete]
        onClosed: {
            screen.deleteCandidate = null
            // With its last message gone the list has none to give the focus to: the user writes next.
            if (chatList.count === 0 && chatList.activeFocus)
                composer.focusField(null)
        }
    }

    Sheet {
        id: infoSheet

        objectName: "infoSheet"
        presented: screen.onScreen && screen.infoMessage !== null
        color: Theme.tarPaper
        onClosed: screen.infoMessage = null
        sourceComponent: SupportMessageInfoSheet {
            message: screen.infoMessage // qmllint disable unqualified
            onLinkRequested: link => screen.openLink(link)
        }
    }

    Sheet {
        id: shareSheet

        objectName: "shareSheet"
        presented: screen.onScreen && screen.sharePresented
        color: Theme.tarPaper
        onClosed: screen.sharePresented = false
        sourceComponent: SupportShareSheet {
            text: screen.shareText // qmllint disable unqualified
        }
    }

    Sheet {
        id: callSheet

        objectName: "callSheet"
        presented: screen.onScreen && screen.callPresented
        color: Theme.tarPaper
        onClosed: screen.callPresented = false
        sourceComponent: CopySheet {
            title: "Позвонить"
            hint: "На этом устройстве нет приложения для звонков. Наберите номер с телефона:"
            text: screen.callNumber // qmllint disable unqualified
        }
    }
}
