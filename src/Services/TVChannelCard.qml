import QtQuick
import Tarvik.Design

// One tile of a package's channel grid: the channel's logo loaded from its address (a spinner
// while it comes, the "tv" symbol when it cannot be loaded) and its name under it.
//   required name, logo: string
Rectangle {
    id: card

    required property string name
    required property string logo
    readonly property int logoStatus: logoImage.status

    implicitHeight: 116
    radius: 16
    color: Theme.white
    Accessible.role: Accessible.StaticText
    Accessible.name: "Телеканал " + card.name

    Item {
        id: logoArea

        x: 8
        y: 8
        width: card.width - 16
        height: 66

        Image {
            id: logoImage

            anchors.fill: parent
            anchors.margins: 10
            source: card.logo
            asynchronous: true
            fillMode: Image.PreserveAspectFit
            // Decoded at twice the tile's logo size at most, whatever the picture's own size.
            sourceSize.width: 240
            sourceSize.height: 132
            visible: status === Image.Ready
        }
        SymbolImage {
            anchors.centerIn: parent
            visible: logoImage.status === Image.Error
            name: "tv"
            size: Theme.textStyleSize(Theme.Title2)
            color: Theme.tarPink
        }
        ActivityIndicator {
            anchors.centerIn: parent
            visible: logoImage.status !== Image.Ready && logoImage.status !== Image.Error
            running: visible
            color: Theme.tarPink
        }
    }

    StyledText {
        x: 8
        y: logoArea.y + logoArea.height + 8
        width: card.width - 16
        height: 30
        text: card.name
        textStyle: Theme.Caption2
        weight: Font.DemiBold
        color: Theme.tarInk
        maximumLineCount: 2
        wrapMode: Text.Wrap
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignTop
        Accessible.ignored: true
    }
}
