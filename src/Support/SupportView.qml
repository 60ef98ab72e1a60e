import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
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
    // Sheets and the delete question; each shows while its value is set.
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
    readonly property Item messageList: sectionLoader.item && screen.section === 0 ? sectionLoader.item.list : null
    // On screen: shown, and no pushed screen covers it.
    readonly property bool onScreen: visible && T.StackView.status === T.StackView.Active
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
            tabHost.selectedTab = 0
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
        TarvikButton {
            id: back

            objectName: "supportBackButton"
            implicitHeight: 44
            text: "Назад"
            Accessible.name: "Назад на главную"
            onClicked: screen.goBack()

            contentItem: Row {
                spacing: 3
                opacity: back.down ? 0.45 : 1

                SymbolImage {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "chevron.left"
                    size: 20
                    weight: Font.DemiBold
                    color: Theme.tarPink
                }
                StyledText {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Назад"
                    color: Theme.tarPink
                    Accessible.ignored: true
                }
            }
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

        Rectangle {
            id: picker

            Layout.fillWidth: true
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            Layout.topMargin: 12
            Layout.bottomMargin: 10
            implicitHeight: 32
            radius: 9
            color: Theme.tertiarySystemFill
            Accessible.role: Accessible.PageTabList
            Accessible.name: "Раздел поддержки"

            Rectangle {
                x: 2 + screen.section * (picker.width - 4) / 2
                y: 2
                width: (picker.width - 4) / 2
                height: picker.height - 4
                radius: 7
                color: Theme.white

                Behavior on x {
                    NumberAnimation { duration: 200; easing.type: Easing.OutCubic }
                }
            }

            Row {
                anchors.fill: parent

                Repeater {
                    model: ["Онлайн-чат", "Офис"]

                    T.AbstractButton {
                        id: segment

                        required property string modelData
                        required property int index

                        objectName: "section" + segment.index
                        width: picker.width / 2
                        height: picker.height
                        text: segment.modelData
                        checkable: true
                        checked: screen.section === segment.index
                        Accessible.role: Accessible.PageTab
                        onClicked: screen.section = segment.index

                        contentItem: StyledText {
                            text: segment.text
                            textStyle: Theme.Footnote
                            weight: segment.checked ? Font.DemiBold : Font.Medium
                            color: Theme.label
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                            Accessible.ignored: true
                        }
                    }
                }
            }
        }

        Loader {
            id: sectionLoader

            objectName: "sectionLoader"
            Layout.fillWidth: true
            Layout.fillHeight: true
            sourceComponent: screen.section === 1 ? officeSection : chatSection
        }
    }

    Component {
        id: officeSection

        SupportOfficeSection {
            location: office
            onCallRequested: screen.call(OperatorPhone.link, OperatorPhone.text)
        }
    }

    Component {
        id: chatSection

        ColumnLayout {
            readonly property alias list: list

            spacing: 0

            ListView {
                id: list

                // Puts the end of the list, its bottom margin included, at the bottom.
                function jumpToEnd() {
                    positionViewAtEnd()
                    contentY = Math.max(originY - topMargin, originY + contentHeight - height + bottomMargin)
                }

                // The same with a short ease-out.
                function scrollToEnd() {
                    Qt.callLater(() => {
                        const from = list.contentY
                        list.jumpToEnd()
                        const to = list.contentY
                        if (Math.abs(to - from) < 1)
                            return
                        list.contentY = from
                        scroller.to = to
                        scroller.restart()
                    })
                }

                objectName: "messageList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: SupportChat
                spacing: 12
                topMargin: 16
                bottomMargin: 16
                leftMargin: 16
                rightMargin: 16
                boundsBehavior: Flickable.StopAtBounds
                // Until the user scrolls, the list opens and stays at its end while delegates settle.
                property bool userScrolled: false

                onCountChanged: scrollToEnd()

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
                onMovementStarted: userScrolled = true
                onContentHeightChanged: if (!userScrolled && !scroller.running) jumpToEnd()
                onHeightChanged: if (!userScrolled && !scroller.running) jumpToEnd()
                Component.onCompleted: Qt.callLater(jumpToEnd)

                NumberAnimation {
                    id: scroller
                    target: list
                    property: "contentY"
                    duration: 220
                    easing.type: Easing.OutQuad
                }

                Connections {
                    target: conversation
                    function onPendingResponsesChanged() {
                        if (conversation.pendingResponses > 0)
                            list.scrollToEnd()
                    }
                }

                header: Item {
                    width: list.width - 32
                    height: SupportChat.hasPinned ? banner.height + 12 : 0

                    Rectangle {
                        id: banner

                        objectName: "pinnedBanner"
                        visible: SupportChat.hasPinned
                        width: parent.width
                        height: bannerRow.implicitHeight + 22
                        radius: 14
                        color: Theme.white

                        RowLayout {
                            id: bannerRow

                            x: 11
                            y: 11
                            width: parent.width - 22
                            spacing: 10

                            SymbolImage {
                                name: "pin.fill"
                                color: Theme.tarPink
                            }
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 2

                                StyledText {
                                    text: "Закреплённое сообщение"
                                    textStyle: Theme.Caption
                                    weight: Font.Bold
                                    color: Theme.tarPink
                                }
                                StyledText {
                                    objectName: "pinnedText"
                                    Layout.fillWidth: true
                                    text: SupportChat.pinnedText
                                    textFormat: Text.PlainText
                                    textStyle: Theme.Caption
                                    color: Theme.tarInk
                                    maximumLineCount: 1
                                    elide: Text.ElideRight
                                }
                            }
                        }
                    }
                }

                delegate: SupportChatBubble {
                    id: bubbleRow

                    width: ListView.view.width - 32
                    onMenuRequested: bubble => {
                        menu.messageId = bubbleRow.messageId
                        menu.messageText = bubbleRow.text
                        menu.outgoing = bubbleRow.outgoing
                        menu.pinned = bubbleRow.pinned
                        menu.popup(bubble)
                    }
                    onReactionRequested: reaction => conversation.toggleReaction(reaction, bubbleRow.messageId)
                    onLinkRequested: link => screen.openLink(link)
                }

                footer: Item {
                    width: list.width - 32
                    height: conversation.pendingResponses > 0 ? typing.height + 12 + 1 : 1

                    // Comes up from below with a fade while an answer is awaited.
                    SupportTypingIndicator {
                        id: typing

                        readonly property bool shown: conversation.pendingResponses > 0

                        objectName: "typingIndicator"
                        y: shown ? 12 : 30
                        visible: shown
                        opacity: shown ? 1 : 0

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

            Rectangle {
                id: composer

                Layout.fillWidth: true
                implicitHeight: composerColumn.implicitHeight + 20
                color: Theme.ultraThinMaterial

                ColumnLayout {
                    id: composerColumn

                    x: 14
                    y: 10
                    width: composer.width - 28
                    spacing: 8

                    ListView {
                        id: topics

                        objectName: "quickTopics"
                        Layout.fillWidth: true
                        implicitHeight: 44
                        orientation: ListView.Horizontal
                        spacing: 8
                        clip: true
                        boundsBehavior: Flickable.StopAtBounds
                        model: screen.quickTopics

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
                            onClicked: conversation.sendText(chip.modelData.message)

                            background: Rectangle {
                                y: 3
                                height: 38
                                radius: 19
                                color: Theme.white
                                opacity: chip.down ? 0.7 : 1
                            }
                            contentItem: Row {
                                spacing: 5

                                SymbolImage {
                                    anchors.verticalCenter: parent.verticalCenter
                                    name: chip.modelData.icon
                                    size: Theme.textStyleSize(Theme.Caption)
                                    weight: Font.DemiBold
                                    color: Theme.tarInk
                                }
                                StyledText {
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: chip.modelData.title
                                    textStyle: Theme.Caption
                                    weight: Font.DemiBold
                                    color: Theme.tarInk
                                    Accessible.ignored: true
                                }
                            }
                        }
                    }

                    // Rises in and fades while a reply or an edit is open.
                    RowLayout {
                        id: contextBar

                        readonly property bool shown: conversation.composerContextTitle.length > 0

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
                            text: conversation.composerContextTitle
                            textFormat: Text.PlainText
                            textStyle: Theme.Caption
                            weight: Font.DemiBold
                            color: Theme.tarPink
                            maximumLineCount: 1
                            elide: Text.ElideRight
                        }
                        SymbolButton {
                            objectName: "contextCloseButton"
                            implicitWidth: 28
                            implicitHeight: 28
                            symbol: "xmark"
                            text: "Закрыть"
                            size: Theme.textStyleSize(Theme.Caption)
                            weight: Font.Bold
                            color: Theme.secondaryLabel
                            onClicked: conversation.clearComposerContext()
                        }
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 10

                        TarvikTextField {
                            id: field

                            objectName: "composerField"
                            Layout.fillWidth: true
                            implicitHeight: Math.max(50, contentHeight + topPadding + bottomPadding)
                            leftPadding: 15
                            rightPadding: 15
                            radius: 18
                            outlined: false
                            placeholderText: "Сообщение"
                            text: conversation.draft
                            onTextEdited: conversation.draft = text
                            onAccepted: conversation.sendDraft()

                            Connections {
                                target: conversation
                                function onComposerContextChanged() {
                                    if (conversation.editing)
                                        field.forceActiveFocus()
                                }
                            }
                        }

                        TarvikButton {
                            id: send

                            objectName: "sendButton"
                            implicitWidth: 50
                            implicitHeight: 50
                            enabled: conversation.canSend
                            opacity: enabled ? 1 : 0.45
                            text: "Отправить сообщение"
                            onClicked: conversation.sendDraft()

                            background: Rectangle {
                                radius: 25
                                color: send.down ? Qt.darker(Theme.tarPink, 1.15) : Theme.tarPink
                            }
                            contentItem: Item {
                                SymbolImage {
                                    anchors.centerIn: parent
                                    name: conversation.editing ? "checkmark" : "arrow.up"
                                    size: Theme.textStyleSize(Theme.Headline)
                                    weight: Font.Bold
                                    color: Theme.white
                                }
                            }
                        }
                    }
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
        presented: screen.deleteCandidate !== null
        title: "Удалить сообщение?"
        buttons: screen.deleteCandidate && screen.deleteCandidate.outgoing ? [deleteMine, deleteEverywhere, cancelDelete]
                                                                            : [deleteMine, cancelDelete]
        onClosed: screen.deleteCandidate = null
    }

    Sheet {
        id: infoSheet

        objectName: "infoSheet"
        presented: screen.infoMessage !== null
        color: Theme.tarPaper
        onClosed: screen.infoMessage = null
        sourceComponent: SupportMessageInfoSheet {
            message: screen.infoMessage
        }
    }

    Sheet {
        id: shareSheet

        objectName: "shareSheet"
        presented: screen.sharePresented
        color: Theme.tarPaper
        onClosed: screen.sharePresented = false
        sourceComponent: SupportShareSheet {
            text: screen.shareText
        }
    }

    Sheet {
        id: callSheet

        objectName: "callSheet"
        presented: screen.callPresented
        color: Theme.tarPaper
        onClosed: screen.callPresented = false
        sourceComponent: SupportCallSheet {
            number: screen.callNumber
        }
    }
}
