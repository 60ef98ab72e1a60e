import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Support

// The office section of the support screen: the map with the office pin under a card with the
// address, the opening hours and a button that calls the support line. Each time it comes on
// screen it asks the location to look the address up (which it does once per screen).
//   location: the screen's SupportOfficeLocation; callRequested(): the call button was tapped
Item {
    id: section

    required property SupportOfficeLocation location

    signal callRequested()

    Component.onCompleted: location.locate()

    TarvikMapView {
        id: map
        objectName: "officeMap"
        anchors.fill: parent
        location: section.location
    }

    Item {
        id: card

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 14
        height: overlay.implicitHeight + 36

        SoftShadow {
            offset: 14
            radius: 24
            blur: 26
            color: Theme.withOpacity(Theme.tarInk, 0.16)
        }

        Rectangle {
            anchors.fill: parent
            radius: 24
            color: Theme.regularMaterial
            border.width: 1
            border.color: Theme.withOpacity(Theme.white, 0.55)
        }

        ColumnLayout {
            id: overlay

            x: 18
            y: 18
            width: card.width - 36
            spacing: 16

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 5

                StyledText {
                    objectName: "officeShortAddress"
                    Layout.fillWidth: true
                    text: SupportMap.officeShortAddress
                    textStyle: Theme.Headline
                    rounded: true
                    weight: Font.Bold
                    color: Theme.tarInk
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: SupportMap.officeTown + " · ежедневно с 9:00 до 18:00"
                    textStyle: Theme.Subheadline
                    color: Theme.withOpacity(Theme.tarInk, 0.62)
                    wrapMode: Text.Wrap
                }
            }

            TarvikButton {
                id: callButton

                objectName: "officeCallButton"
                Layout.fillWidth: true
                implicitHeight: 52
                buttonStyle: TarvikButton.Plain
                text: "Позвонить в Tarvik: " + OperatorPhone.spoken
                onClicked: section.callRequested()

                background: Rectangle {
                    radius: 16
                    color: callButton.down ? Qt.darker(Theme.tarPink, 1.15) : Theme.tarPink
                }
                contentItem: Item {
                    Row {
                        anchors.centerIn: parent
                        spacing: 8

                        SymbolImage {
                            anchors.verticalCenter: parent.verticalCenter
                            name: "phone.fill"
                            color: Theme.white
                        }
                        StyledText {
                            anchors.verticalCenter: parent.verticalCenter
                            text: "Позвонить"
                            weight: Font.DemiBold
                            color: Theme.white
                            Accessible.ignored: true
                        }
                    }
                }
            }
        }
    }
}
