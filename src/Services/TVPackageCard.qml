import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Services

// A package summary card in the package's colour: title, description, channel count and price.
//   required tvPackage: the package (a tvPackage; "package" is a reserved word)
Rectangle {
    id: card

    required property tvPackage tvPackage

    implicitHeight: Math.max(156, column.implicitHeight + 40)
    radius: 22
    color: card.tvPackage.color
    clip: true

    SymbolImage {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.rightMargin: -8
        anchors.bottomMargin: -18
        name: "play.fill"
        size: 80
        weight: Font.Black
        color: Theme.withOpacity(Theme.white, 0.07)
    }

    ColumnLayout {
        id: column

        x: 20
        y: 20
        width: card.width - 40
        spacing: 18

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: 6

                StyledText {
                    Layout.fillWidth: true
                    text: card.tvPackage.title
                    textStyle: Theme.Title2
                    weight: Font.Bold
                    color: Theme.white
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
                StyledText {
                    Layout.fillWidth: true
                    text: card.tvPackage.description
                    textStyle: Theme.Subheadline
                    color: Theme.withOpacity(Theme.white, 0.78)
                    wrapMode: Text.Wrap
                }
            }
            RowChevron {
                Layout.alignment: Qt.AlignTop
                size: Theme.textStyleSize(Theme.Headline)
                weight: Font.Normal
                color: Theme.withOpacity(Theme.white, 0.8)
                Accessible.ignored: true
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 6

            SymbolImage {
                name: "play.rectangle.on.rectangle.fill"
                size: Theme.textStyleSize(Theme.Caption)
                color: Theme.withOpacity(Theme.white, 0.82)
            }
            StyledText {
                Layout.fillWidth: true
                text: card.tvPackage.channelCount
                textStyle: Theme.Caption
                weight: Font.DemiBold
                color: Theme.withOpacity(Theme.white, 0.82)
                elide: Text.ElideRight
            }
            StyledText {
                Layout.maximumWidth: card.width / 2
                text: card.tvPackage.price
                textStyle: Theme.Headline
                color: Theme.white
                elide: Text.ElideRight
            }
        }
    }
}
