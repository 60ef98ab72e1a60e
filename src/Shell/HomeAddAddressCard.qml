import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The products carousel's invitation to add an address: "Добавить новый адрес" and a pink
// "Добавить" capsule on a pale pink card (radius 24, at least 154 high). It draws only: make it
// the label of a link.
Item {
    id: card

    implicitWidth: 361
    implicitHeight: Math.max(154, row.implicitHeight + 32)

    Rectangle {
        anchors.fill: parent
        radius: 24
        color: Theme.withOpacity(Theme.tarPink, 0.11)
    }

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        StyledText {
            Layout.fillWidth: true
            text: "Добавить новый адрес"
            size: 18
            weight: Font.Black
            rounded: true
            tracking: -0.25
            color: Theme.tarInk
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(18 * 0.72)
            elide: Text.ElideRight
        }

        Item {
            Layout.minimumWidth: 8
        }

        Rectangle {
            implicitWidth: addLabel.implicitWidth + 28
            implicitHeight: 36
            radius: height / 2
            color: Theme.tarPink

            StyledText {
                id: addLabel
                anchors.centerIn: parent
                text: "Добавить"
                textStyle: Theme.Subheadline
                weight: Font.Bold
                color: Theme.white
            }
        }
    }
}
