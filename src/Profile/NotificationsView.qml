import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Profile

// The inbox: "Новые" with "Прочитать все" while any note is unread (else a "no new notes" card),
// then the notes that are not deleted. A tap marks a note read and opens it in a sheet; a note is
// deleted from its menu or from the sheet.
//   no inputs; selectedNote: the note in the sheet (null when none); readonly inbox
DetailPage {
    id: page

    property var selectedNote: null
    // What the sheet shows; kept while the sheet slides away after selectedNote is cleared.
    property var shownNote: null
    readonly property alias inbox: inbox

    onSelectedNoteChanged: if (selectedNote)
        shownNote = selectedNote

    function openNote(note) {
        inbox.markRead(note.id)
        selectedNote = note
    }

    function deleteSelected() {
        inbox.deleteNote(selectedNote.id)
        selectedNote = null
    }

    objectName: "notificationsView"
    title: "Уведомления"
    contentSpacing: 14

    NotificationInbox {
        id: inbox
    }

    RowLayout {
        objectName: "unreadHeader"
        Layout.fillWidth: true
        visible: inbox.hasUnread

        StyledText {
            Layout.fillWidth: true
            text: "Новые"
            textStyle: Theme.Title2
            weight: Font.Bold
        }
        TarvikButton {
            objectName: "readAllButton"
            text: "Прочитать все"
            onClicked: inbox.markAllRead()

            contentItem: StyledText {
                text: "Прочитать все"
                textStyle: Theme.Subheadline
                weight: Font.DemiBold
                color: Theme.tarPink
                Accessible.ignored: true
            }
        }
    }

    CardSurface {
        objectName: "nothingNewCard"
        Layout.fillWidth: true
        visible: !inbox.hasUnread
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            SymbolImage {
                Layout.alignment: Qt.AlignHCenter
                name: "bell.slash.fill"
                size: 38
                color: Theme.tarPink
            }
            StyledText {
                Layout.alignment: Qt.AlignHCenter
                text: "Новых уведомлений нет"
                textStyle: Theme.Headline
            }
        }
    }

    Rectangle {
        objectName: "noteList"
        Layout.fillWidth: true
        implicitHeight: rows.implicitHeight
        visible: inbox.notes.length > 0
        radius: 26
        color: Theme.white
        clip: true

        ColumnLayout {
            id: rows

            width: parent.width
            spacing: 0

            // At most four fixed notes.
            Repeater {
                model: inbox.notes

                ColumnLayout {
                    id: entry

                    required property var modelData
                    required property int index

                    Layout.fillWidth: true
                    spacing: 0

                    NotificationRow {
                        objectName: "noteRow" + entry.modelData.id
                        Layout.fillWidth: true
                        note: entry.modelData
                        onClicked: page.openNote(entry.modelData) // qmllint disable unqualified
                        onDeleteRequested: inbox.deleteNote(entry.modelData.id) // qmllint disable unqualified
                    }
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.leftMargin: 76
                        visible: entry.index < inbox.notes.length - 1 // qmllint disable unqualified
                        implicitHeight: 0.5
                        color: Theme.separator
                    }
                }
            }
        }
    }

    Sheet {
        objectName: "detailSheet"
        presented: page.selectedNote !== null
        onClosed: page.selectedNote = null
        sourceComponent: Component {
            NotificationDetailView {
                note: page.shownNote // qmllint disable unqualified
                onDeleteRequested: page.deleteSelected() // qmllint disable unqualified
            }
        }
    }
}
