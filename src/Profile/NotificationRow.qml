import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One note of the inbox: its tinted tile, the title with a pink dot while unread, the whole
// message and the time; the whole row is a button. A long press or a right click offers
// "Удалить".
//   required note: { id, title, message, icon, tint (a Theme colour name), date, unread }
//   clicked(); deleteRequested()
TarvikButton {
    id: row

    required property var note
    readonly property color tint: Theme[note.tint]

    signal deleteRequested()

    buttonStyle: TarvikButton.Plain
    text: note.title
    leftPadding: 16
    rightPadding: 16
    topPadding: 16
    bottomPadding: 16
    onPressAndHold: menu.open()

    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: menu.open()
    }

    background: Rectangle {
        color: row.down ? Theme.withOpacity(Theme.black, 0.04) : "transparent"
    }

    contentItem: RowLayout {
        spacing: 14

        Rectangle {
            Layout.alignment: Qt.AlignTop
            implicitWidth: 46
            implicitHeight: 46
            radius: 13
            color: Qt.rgba(row.tint.r, row.tint.g, row.tint.b, row.tint.a * 0.13)

            SymbolImage {
                anchors.centerIn: parent
                name: row.note.icon
                size: Theme.textStyleSize(Theme.Headline)
                color: row.tint
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
            spacing: 5

            RowLayout {
                Layout.fillWidth: true

                StyledText {
                    Layout.fillWidth: true
                    text: row.note.title
                    textStyle: Theme.Headline
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                }
                Rectangle {
                    objectName: "unreadDot"
                    Layout.alignment: Qt.AlignTop
                    Layout.topMargin: 6
                    visible: row.note.unread
                    implicitWidth: 8
                    implicitHeight: 8
                    radius: 4
                    color: Theme.tarPink
                }
            }
            StyledText {
                Layout.fillWidth: true
                text: row.note.message
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
            StyledText {
                Layout.fillWidth: true
                text: row.note.date
                textStyle: Theme.Caption
                color: Theme.tertiaryLabel
            }
        }
    }

    Alert {
        id: menu

        objectName: "rowMenu"
        title: row.note.title
        buttons: [
            AlertButton {
                text: "Удалить"
                role: AlertButton.Destructive
                onTriggered: row.deleteRequested()
            },
            AlertButton {
                text: "Отмена"
                role: AlertButton.Cancel
            }
        ]
    }
}
