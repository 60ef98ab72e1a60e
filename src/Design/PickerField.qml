import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// The kit's picker field, of the date and the time picker: `label` at the leading edge and `value`
// in a grey capsule at the trailing edge (pink while the picker is open). The capsule opens the
// picker: a card over the window holding the field's content, which assistive technology sees as
// a modal dialog named by the label. A tap outside closes it; Escape cancels: it closes, then
// cancelled(). The focus goes to `initialFocus` as it opens and back to the capsule as it closes.
//   required label, value: string; default property: the card's items, in a column 8 apart
//   cardWidth (340, at most the window's less 32); initialFocus: Item
//   readonly popupOpen: bool; readonly button: the capsule; readonly popup: the card
//   open(), close(); aboutToOpen(): just before the card opens; cancelled(): Escape closed it
Rectangle {
    id: field

    required property string label
    required property string value
    property real cardWidth: 340
    property alias initialFocus: card.initialFocus
    default property alias content: column.data
    readonly property alias popupOpen: card.opened
    readonly property alias button: capsule
    readonly property alias popup: card

    signal aboutToOpen()
    signal cancelled()

    function open() {
        field.aboutToOpen()
        card.open()
    }

    function close() {
        card.close()
    }

    implicitWidth: row.implicitWidth + 32
    implicitHeight: Math.max(54, row.implicitHeight + 16)
    radius: 18
    color: Theme.white

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 8

        StyledText {
            Layout.fillWidth: true
            text: field.label
            size: 15
            weight: Font.DemiBold
            rounded: true
            color: Theme.tarInk
            elide: Text.ElideRight
            // The capsule carries it in its name.
            Accessible.ignored: true
        }

        TarvikButton {
            id: capsule

            buttonStyle: TarvikButton.Plain
            text: field.value
            Accessible.name: field.label + ", " + text
            onClicked: field.open()

            background: Rectangle {
                implicitHeight: 34
                radius: 8
                color: Theme.tertiarySystemFill
            }

            contentItem: StyledText {
                leftPadding: 11
                rightPadding: 11
                text: capsule.text
                size: 15
                weight: Font.DemiBold
                rounded: true
                color: field.popupOpen ? Theme.tarPink : Theme.tarInk
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                opacity: capsule.down ? 0.45 : 1
                Accessible.ignored: true
            }
        }
    }

    ModalPopup {
        id: card

        title: field.label
        anchors.centerIn: parent
        width: Math.min(field.cardWidth, parent ? parent.width - 32 : field.cardWidth)
        implicitHeight: implicitContentHeight + topPadding + bottomPadding
        padding: 14
        closePolicy: T.Popup.CloseOnPressOutside
        onCancelled: field.cancelled()

        T.Overlay.modal: Rectangle {
            color: Theme.withOpacity(Theme.black, 0.2)
        }

        enter: Transition {
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 150 }
            NumberAnimation { property: "scale"; from: 0.94; to: 1; duration: 150; easing.type: Easing.OutCubic }
        }
        exit: Transition {
            NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 120 }
        }

        background: Item {
            SoftShadow {
                radius: 13
                blur: 18
                color: Theme.withOpacity(Theme.black, 0.12)
            }

            Rectangle {
                anchors.fill: parent
                radius: 13
                color: Theme.white
            }
        }

        contentItem: ColumnLayout {
            id: column

            spacing: 8
        }
    }
}
