import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design

// A tappable tile for one payment method: its symbol in a tinted circle over the bold title, or
// a spinner in the tint while that method's checkout is being prepared; it ignores taps then.
//   required title: string; required icon: symbol name; required tint: color
//   isLoading: bool (false; its owner drives it); clicked(): the action
Item {
    id: badge

    required property string title
    required property string icon
    required property color tint
    property bool isLoading: false

    signal clicked()

    implicitWidth: button.implicitWidth
    implicitHeight: button.implicitHeight

    T.AbstractButton {
        id: button

        anchors.fill: parent
        enabled: !badge.isLoading
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: implicitContentHeight + topPadding + bottomPadding
        padding: 13
        text: badge.title
        Accessible.role: Accessible.Button
        Accessible.name: badge.title
        onClicked: badge.clicked()

        background: Rectangle {
            radius: 20
            color: Theme.withOpacity(Theme.tarPaper, 0.78)
        }

        contentItem: Item {
            implicitWidth: column.implicitWidth
            implicitHeight: Math.max(78, column.implicitHeight)
            opacity: button.down ? 0.6 : 1

            ColumnLayout {
                id: column

                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 9

                Item {
                    implicitWidth: 34
                    implicitHeight: 34

                    ActivityIndicator {
                        objectName: "badgeSpinner"
                        anchors.centerIn: parent
                        visible: badge.isLoading
                        running: visible
                        color: badge.tint
                    }

                    Rectangle {
                        objectName: "badgeIcon"
                        anchors.fill: parent
                        visible: !badge.isLoading
                        radius: 17
                        color: Theme.withOpacity(badge.tint, 0.11)

                        SymbolImage {
                            anchors.centerIn: parent
                            name: badge.icon
                            weight: Font.Bold
                            color: badge.tint
                        }
                    }
                }

                StyledText {
                    Layout.fillWidth: true
                    Layout.preferredHeight: implicitHeight
                    text: badge.title
                    textStyle: Theme.Caption
                    weight: Font.Bold
                    color: Theme.tarInk
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Math.round(Theme.textStyleSize(Theme.Caption) * 0.68)
                    elide: Text.ElideRight
                    maximumLineCount: 1
                    Accessible.ignored: true
                }
            }
        }
    }
}
