import QtQuick
import Tarvik.Design

// The round back button of screens without a navigation bar: a chevron on a white disc with a
// soft shadow, 46 × 46. The caller places it and decides what a tap does.
//   clicked()
TarvikButton {
    id: button

    objectName: "roundBackButton"
    buttonStyle: TarvikButton.Plain
    implicitWidth: 46
    implicitHeight: 46
    text: "Назад"

    background: Item {
        SoftShadow {
            offset: 6
            radius: width / 2
            blur: 12
            color: Theme.withOpacity(Theme.black, 0.08)
        }

        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: Theme.withOpacity(Theme.white, 0.9)
        }
    }

    contentItem: Item {
        SymbolImage {
            anchors.centerIn: parent
            name: "chevron.left"
            size: 19
            weight: Font.Black
            color: Theme.tarInk
            opacity: button.down ? 0.45 : 1
        }
    }
}
