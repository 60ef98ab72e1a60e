import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One note in full, as a sheet's content: its tile, title, message and time, and "Удалить
// уведомление" at the bottom; "Готово" closes the sheet.
//   required note: the note (see NotificationRow); deleteRequested(): the inbox deletes it and
//   closes the sheet
NavigationStack {
    id: root

    required property var note
    readonly property color tint: Theme[note.tint]

    signal deleteRequested()

    initialItem: NavigationPage {
        title: "Уведомление"
        color: Theme.tarPaper
        trailingItems: [
            BarButton {
                objectName: "doneButton"
                text: "Готово"
                onClicked: Presentation.dismiss()
            }
        ]

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 24
            spacing: 18

            Rectangle {
                implicitWidth: 68
                implicitHeight: 68
                radius: 18
                color: Qt.rgba(root.tint.r, root.tint.g, root.tint.b, root.tint.a * 0.13)

                SymbolImage {
                    anchors.centerIn: parent
                    name: root.note.icon
                    size: Theme.textStyleSize(Theme.Title)
                    weight: Font.Bold
                    color: root.tint
                }
            }
            StyledText {
                Layout.fillWidth: true
                text: root.note.title
                textStyle: Theme.Title2
                weight: Font.Bold
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }
            StyledText {
                Layout.fillWidth: true
                text: root.note.message
                color: Theme.tarInk
                wrapMode: Text.Wrap
            }
            StyledText {
                Layout.fillWidth: true
                text: root.note.date
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
            }
            Item {
                Layout.fillHeight: true
            }
            TarvikButton {
                id: deleteButton

                objectName: "deleteButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                text: "Удалить уведомление"
                onClicked: root.deleteRequested()

                background: Rectangle {
                    implicitHeight: 52
                    radius: 16
                    color: Theme.withOpacity(Theme.systemRed, deleteButton.down ? 0.22 : 0.14)
                }
                contentItem: Row {
                    spacing: 8

                    Item {
                        width: Math.max(0, (deleteButton.availableWidth - label.implicitWidth - trash.width - 8) / 2)
                        height: 1
                    }
                    SymbolImage {
                        id: trash
                        anchors.verticalCenter: parent.verticalCenter
                        name: "trash"
                        size: Theme.textStyleSize(Theme.Headline)
                        color: Theme.systemRed
                    }
                    StyledText {
                        id: label
                        anchors.verticalCenter: parent.verticalCenter
                        text: deleteButton.text
                        textStyle: Theme.Headline
                        color: Theme.systemRed
                        Accessible.ignored: true
                    }
                }
            }
        }
    }
}
