import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Support

// One message with when it was sent, edited and read, and who read it. Shows the copy it was
// given: later changes of the message do not reach it. The back button dismisses it.
//   message: map of the chat model's roles (SupportChat.get(row))
//   linkRequested(url): a link in the message's text was tapped
Rectangle {
    id: sheet

    required property var message
    readonly property bool outgoing: message.outgoing
    // An assistant message always counts as read: at its read time, else when it was sent.
    readonly property var readAt: outgoing ? message.readAt : (message.readAt !== undefined ? message.readAt : message.sentAt)
    readonly property bool isRead: readAt !== undefined && readAt !== null

    signal linkRequested(url link)

    // The sheet's dialog is named by it, which is read once: the heading is not read again.
    readonly property string title: "Информация о сообщении"

    color: Theme.tarPaper

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 24
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column

            x: 20
            y: 12
            width: sheet.width - 40
            spacing: 28

            Item {
                Layout.fillWidth: true
                Layout.topMargin: 4
                implicitHeight: 48

                StyledText {
                    anchors.centerIn: parent
                    text: sheet.title
                    textStyle: Theme.Headline
                    color: Theme.tarInk
                    Accessible.ignored: true
                }

                TarvikButton {
                    id: back

                    objectName: "infoBackButton"
                    width: 48
                    height: 48
                    text: "Назад"
                    onClicked: Presentation.dismiss()

                    background: Rectangle {
                        radius: 24
                        color: Theme.ultraThinMaterial
                        border.width: 1
                        border.color: Theme.withOpacity(Theme.white, 0.78)
                    }
                    contentItem: Item {
                        SymbolImage {
                            anchors.centerIn: parent
                            name: "chevron.left"
                            size: Theme.textStyleSize(Theme.Title3)
                            weight: Font.DemiBold
                            color: Theme.tarInk
                        }
                    }
                }
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: card.implicitHeight + 40
                radius: 28
                color: Theme.white

                ColumnLayout {
                    id: card

                    x: 20
                    y: 20
                    width: parent.width - 40
                    spacing: 22

                    Rectangle {
                        id: bubble

                        readonly property color tint: sheet.outgoing ? Theme.withOpacity(Theme.white, 0.76) : Theme.secondaryLabel

                        Layout.alignment: sheet.outgoing ? Qt.AlignRight : Qt.AlignLeft
                        Layout.preferredWidth: Math.min(card.width - 28, Math.max(formatted.naturalWidth, statusRow.implicitWidth) + 32)
                        implicitHeight: bubbleColumn.implicitHeight + 24
                        radius: 22
                        color: sheet.outgoing ? Theme.tarPink : Theme.white
                        border.width: sheet.outgoing ? 0 : 1
                        border.color: Theme.withOpacity(Theme.tarInk, 0.06)

                        ColumnLayout {
                            id: bubbleColumn

                            x: 16
                            y: 12
                            width: parent.width - 32
                            spacing: 5

                            SupportFormattedMessageText {
                                id: formatted
                                objectName: "infoMessageText"
                                Layout.fillWidth: true
                                messageText: sheet.message.text
                                foregroundColor: sheet.outgoing ? Theme.white : Theme.tarInk
                                accentColor: sheet.outgoing ? Theme.withOpacity(Theme.white, 0.82) : Theme.tarPink
                                codeBackground: sheet.outgoing ? Theme.withOpacity(Theme.white, 0.14) : Theme.tarPaper
                                onLinkActivated: link => sheet.linkRequested(link)
                            }

                            Row {
                                id: statusRow
                                Layout.alignment: Qt.AlignRight
                                spacing: 4

                                StyledText {
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: SupportText.time(sheet.message.sentAt)
                                    textStyle: Theme.Caption
                                    color: bubble.tint
                                }
                                StyledText {
                                    visible: sheet.message.edited
                                    anchors.verticalCenter: parent.verticalCenter
                                    text: "изменено"
                                    textStyle: Theme.Caption
                                    color: bubble.tint
                                }
                                SymbolImage {
                                    objectName: "infoTick"
                                    anchors.verticalCenter: parent.verticalCenter
                                    name: sheet.isRead ? "checkmark.circle.fill" : "checkmark"
                                    size: Theme.textStyleSize(Theme.Caption2)
                                    weight: Font.Bold
                                    color: bubble.tint
                                }
                            }
                        }
                    }

                    StyledText {
                        Layout.fillWidth: true
                        text: "Отправлено " + SupportText.details(sheet.message.sentAt)
                        textStyle: Theme.Subheadline
                        weight: Font.DemiBold
                        color: Theme.tarInk
                        wrapMode: Text.Wrap
                    }

                    StyledText {
                        objectName: "infoEdited"
                        visible: sheet.message.edited
                        Layout.fillWidth: true
                        text: sheet.message.edited ? "Изменено " + SupportText.details(sheet.message.editedAt) : ""
                        textStyle: Theme.Caption
                        color: Theme.secondaryLabel
                        wrapMode: Text.Wrap
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true

                StyledText {
                    text: "Прочитано"
                    textStyle: Theme.Title2
                    weight: Font.Bold
                    color: Theme.tarInk
                }
                Item { Layout.fillWidth: true }
                SymbolImage {
                    name: "checkmark.circle.fill"
                    color: Theme.tarPink
                }
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: reader.implicitHeight + 32
                radius: 26
                color: Theme.white

                RowLayout {
                    id: reader

                    x: 16
                    y: 16
                    width: parent.width - 32
                    spacing: 14

                    SupportMariaAvatar {
                        visible: sheet.outgoing
                        size: 50
                    }
                    Rectangle {
                        visible: !sheet.outgoing
                        implicitWidth: 50
                        implicitHeight: 50
                        radius: 25
                        color: Theme.withOpacity(Theme.tarPink, 0.12)

                        StyledText {
                            anchors.centerIn: parent
                            text: "В"
                            textStyle: Theme.Title3
                            weight: Font.Bold
                            color: Theme.tarPink
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2

                        StyledText {
                            text: sheet.outgoing ? "Мария" : "Вы"
                            textStyle: Theme.Title3
                            weight: Font.DemiBold
                            color: Theme.tarInk
                        }
                        StyledText {
                            objectName: "infoReadTime"
                            Layout.fillWidth: true
                            text: sheet.isRead ? SupportText.details(sheet.readAt) : "Ещё не прочитано"
                            textStyle: Theme.Subheadline
                            color: Theme.secondaryLabel
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }
    }
}
