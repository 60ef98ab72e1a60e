import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Shell

// The large tinted card of the products carousel: an optional round badge, the title with a
// chevron and the button capsule, the big figure, a progress bar (filled 4 % to 100 %) and a
// footnote. Takes the width it is given and at least 154 in height; content taller than the card
// is centred and cut at its edges.
//   icon: symbol name (empty: no badge); required title, subtitle, footnote, buttonTitle: string
//   required tint: color; progressValue: real (nominally 0..1)
//   actionable: bool (false: the card ignores taps); clicked(): a tap on an actionable card
Item {
    id: card

    property string icon
    required property string title
    required property string subtitle
    required property string footnote
    required property string buttonTitle
    required property color tint
    property real progressValue: 0
    property bool actionable: false

    signal clicked()

    implicitWidth: 361
    implicitHeight: Math.max(154, content.implicitHeight + 36)
    clip: true

    Rectangle {
        anchors.fill: parent
        radius: 24
        color: Theme.withOpacity(card.tint, 0.13)
    }

    TarvikButton {
        anchors.fill: parent
        buttonStyle: TarvikButton.Plain
        enabled: card.actionable
        visible: card.actionable
        padding: 0
        text: card.title
        // The card is read as this button: what it shows besides the title describes it.
        Accessible.description: card.subtitle + ", " + card.footnote
        onClicked: card.clicked()
        // The whole card is the button; what it shows is drawn below.
        contentItem: Item {}
    }

    Item {
        anchors.fill: parent

        ColumnLayout {
            id: content

            x: 18
            width: parent.width - 36
            anchors.verticalCenter: parent.verticalCenter
            spacing: 14

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                Rectangle {
                    visible: card.icon.length > 0
                    implicitWidth: 42
                    implicitHeight: 42
                    radius: 21
                    color: card.tint

                    SymbolImage {
                        anchors.centerIn: parent
                        name: card.icon
                        size: 19
                        weight: Font.Black
                        color: Theme.white
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 5

                    StyledText {
                        id: title

                        Layout.fillWidth: true
                        Layout.maximumWidth: implicitWidth
                        Layout.alignment: Qt.AlignBaseline
                        text: card.title
                        size: 20
                        weight: Font.Black
                        rounded: true
                        tracking: -0.25
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: Math.round(20 * 0.68)
                        elide: Text.ElideRight
                        Accessible.ignored: card.actionable
                    }

                    RowChevron {
                        Layout.alignment: Qt.AlignVCenter
                        size: Theme.textStyleSize(Theme.Caption2)
                        color: Theme.label
                        opacity: 0.5
                    }

                    Item {
                        Layout.fillWidth: true
                    }
                }

                Rectangle {
                    Layout.maximumWidth: content.width * 0.5
                    implicitWidth: buttonLabel.implicitWidth + 26
                    implicitHeight: 42
                    radius: height / 2
                    color: card.tint

                    StyledText {
                        id: buttonLabel

                        anchors.centerIn: parent
                        width: Math.min(implicitWidth, parent.width - 26)
                        horizontalAlignment: Text.AlignHCenter
                        text: card.buttonTitle
                        size: 16
                        weight: Font.Bold
                        rounded: true
                        color: Theme.white
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: Math.round(16 * 0.78)
                        elide: Text.ElideRight
                        Accessible.ignored: true
                    }
                }
            }

            StyledText {
                objectName: "productSubtitle"
                Layout.fillWidth: true
                text: card.subtitle
                size: 25
                weight: Font.Black
                rounded: true
                color: Theme.withOpacity(Theme.tarInk, 0.74)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Math.round(25 * 0.72)
                elide: Text.ElideRight
                Accessible.ignored: card.actionable
            }

            Item {
                Layout.fillWidth: true
                implicitHeight: 6

                Rectangle {
                    anchors.fill: parent
                    radius: 3
                    color: Theme.withOpacity(card.tint, 0.16)
                }

                Rectangle {
                    objectName: "progressFill"
                    width: parent.width * HomeDashboard.clampedProgress(card.progressValue)
                    height: parent.height
                    radius: 3
                    color: card.tint
                }
            }

            StyledText {
                objectName: "productFootnote"
                Layout.fillWidth: true
                text: card.footnote
                size: 14
                weight: Font.DemiBold
                rounded: true
                color: Theme.withOpacity(Theme.tarInk, 0.52)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Math.round(14 * 0.75)
                elide: Text.ElideRight
                Accessible.ignored: card.actionable
            }
        }
    }
}
