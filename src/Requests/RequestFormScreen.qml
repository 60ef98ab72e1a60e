import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The screen of a confirmation-only request form: paper background, no navigation bar, a white
// band, the hero picture and a white card moved up over it that holds the form (padded 22 at the
// sides, 24 on top, 22 below). It owns the form's ConfirmationSend and shows its confirmation
// sheet and error alert; the form puts a RequestSendButton wired to `request` into the card.
//   required heroAsset: asset name; heroHeight (230); heroShift: moves the picture down inside
//   its frame (0); cardMinimumHeight (0); cardOffset: how far the card rides up over the hero
//   (34); cardBottomPadding: under the card (0); cardSpacing: between the card's items (0)
//   showsBackButton: the round back button at the top leading corner of the screen, where it
//   stays while the form scrolls (false); it goes back
//   required confirmationTitle, confirmationMessage: texts of the DemoActionSheet
//   readonly request: the ConfirmationSend (send(), sending, confirmed, errorText)
//   default property: the card's content, laid out in a ColumnLayout
NavigationPage {
    id: screen

    required property string heroAsset
    property real heroHeight: 230
    property real heroShift: 0
    property real cardMinimumHeight: 0
    property real cardOffset: 34
    property real cardBottomPadding: 0
    property alias cardSpacing: cardColumn.spacing
    property bool showsBackButton: false
    required property string confirmationTitle
    required property string confirmationMessage
    readonly property alias request: confirmation
    default property alias content: cardColumn.data

    navigationBarHidden: true
    color: Theme.tarPaper

    ConfirmationSend {
        id: confirmation
    }

    // It stays at its place while the form scrolls, over the card once the card comes up to it.
    // Declared before the form, so that Tab meets it first, as it reads; drawn over the form.
    RoundBackButton {
        x: 16
        y: 50
        z: 1
        visible: screen.showsBackButton
        onClicked: Presentation.dismiss()
    }

    Flickable {
        id: scroller

        objectName: "formScroller"
        anchors.fill: parent
        contentWidth: width
        contentHeight: column.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column

            width: scroller.width

            Rectangle {
                width: parent.width
                height: 58
                color: Theme.white
            }

            Item {
                width: parent.width
                height: screen.heroHeight
                clip: true

                AssetImage {
                    y: screen.heroShift
                    width: parent.width
                    height: parent.height
                    name: screen.heroAsset
                    fillMode: AssetImage.Fill
                }
            }

            // The card is drawn higher than its place in the column, which keeps its room: under
            // the card the paper shows through by as much as it rode up.
            Item {
                width: parent.width
                height: card.height + screen.cardBottomPadding

                Rectangle {
                    id: card

                    y: -screen.cardOffset
                    width: parent.width
                    height: Math.max(screen.cardMinimumHeight, cardColumn.implicitHeight + 24 + 22)
                    radius: 34
                    color: Theme.white

                    ColumnLayout {
                        id: cardColumn

                        x: 22
                        y: 24
                        width: parent.width - 44
                        spacing: 0
                    }
                }
            }
        }
    }

    RequestConfirmationSheet {
        request: confirmation
        allowed: screen.onScreen
        title: screen.confirmationTitle
        message: screen.confirmationMessage
    }

    RequestErrorAlert {
        request: confirmation
        allowed: screen.onScreen
    }
}
