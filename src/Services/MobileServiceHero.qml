import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import Tarvik.Design

// The banner of the mobile service: the chosen offer's monthly price over a dark gradient.
//   required offer: MobilePackage
//   backdrop: the colour behind the banner (the decorations are cut to its rounded corners with it)
Item {
    id: hero

    required property var offer
    property color backdrop: Theme.tarPaper

    implicitWidth: 353
    implicitHeight: Math.max(238, content.implicitHeight + 44)

    SoftShadow {
        offset: 12
        radius: 30
        blur: 24
        color: Theme.withOpacity(Theme.tarPink, 0.18)
    }

    Item {
        id: panel

        anchors.fill: parent
        clip: true

        // Top-leading to bottom-trailing, on the rounded rectangle.
        Shape {
            anchors.fill: parent

            ShapePath {
                strokeWidth: -1
                fillGradient: LinearGradient {
                    x1: 0
                    y1: 0
                    x2: panel.width
                    y2: panel.height
                    GradientStop { position: 0; color: Qt.rgba(0.06, 0.08, 0.15, 1) }
                    GradientStop { position: 0.5; color: Qt.rgba(0.10, 0.16, 0.28, 1) }
                    GradientStop { position: 1; color: Theme.withOpacity(Theme.tarPink, 0.78) }
                }
                startX: 30
                startY: 0
                PathLine { x: panel.width - 30; y: 0 }
                PathArc { x: panel.width; y: 30; radiusX: 30; radiusY: 30 }
                PathLine { x: panel.width; y: panel.height - 30 }
                PathArc { x: panel.width - 30; y: panel.height; radiusX: 30; radiusY: 30 }
                PathLine { x: 30; y: panel.height }
                PathArc { x: 0; y: panel.height - 30; radiusX: 30; radiusY: 30 }
                PathLine { x: 0; y: 30 }
                PathArc { x: 30; y: 0; radiusX: 30; radiusY: 30 }
            }
        }

        Rectangle {
            x: parent.width / 2 + 210 - width / 2
            y: parent.height / 2 - 54 - height / 2
            width: 150
            height: 150
            radius: 75
            color: Theme.withOpacity(Theme.white, 0.13)
        }

        Rectangle {
            x: parent.width / 2 + 210 - width / 2
            y: parent.height / 2 + 54 - height / 2
            width: 128
            height: 86
            radius: 30
            rotation: -9
            color: "transparent"
            border.width: 1
            border.color: Theme.withOpacity(Theme.white, 0.18)
        }

        // The trailing corners, where the decorations reach, are cut round with the backdrop.
        Shape {
            anchors.fill: parent

            ShapePath {
                strokeWidth: -1
                fillColor: hero.backdrop
                startX: panel.width - 30
                startY: 0
                PathLine { x: panel.width; y: 0 }
                PathLine { x: panel.width; y: 30 }
                PathArc { x: panel.width - 30; y: 0; radiusX: 30; radiusY: 30; direction: PathArc.Counterclockwise }
            }

            ShapePath {
                strokeWidth: -1
                fillColor: hero.backdrop
                startX: panel.width
                startY: panel.height - 30
                PathLine { x: panel.width; y: panel.height }
                PathLine { x: panel.width - 30; y: panel.height }
                PathArc { x: panel.width; y: panel.height - 30; radiusX: 30; radiusY: 30; direction: PathArc.Counterclockwise }
            }
        }
    }

    ColumnLayout {
        id: content

        x: 22
        y: 22
        width: parent.width - 44
        spacing: 14

        RowLayout {
            spacing: 10

            Rectangle {
                Layout.preferredWidth: 44
                Layout.preferredHeight: 44
                radius: 15
                color: Theme.white

                SymbolImage {
                    anchors.centerIn: parent
                    name: "simcard.2.fill"
                    size: 19
                    weight: Font.Black
                    color: Theme.tarPink
                }
            }

            StyledText {
                text: "TARVIK MOBILE"
                textStyle: Theme.Caption
                weight: Font.Black
                color: Theme.withOpacity(Theme.white, 0.78)
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 6

            StyledText {
                Layout.fillWidth: true
                text: "Мобильная связь"
                size: 31
                weight: Font.Black
                rounded: true
                tracking: -0.8
                color: Theme.white
            }

            StyledText {
                Layout.fillWidth: true
                text: "Гигабайты, минуты и перенос номера в одной заявке"
                size: 14
                weight: Font.DemiBold
                color: Theme.withOpacity(Theme.white, 0.76)
                wrapMode: Text.Wrap
            }
        }

        Row {
            spacing: 6

            StyledText {
                id: price

                objectName: "heroPrice"
                text: hero.offer.price + " ₽"
                size: 30
                weight: Font.Black
                rounded: true
                color: Theme.white
            }

            StyledText {
                anchors.baseline: price.baseline
                text: "/мес"
                textStyle: Theme.Headline
                weight: Font.Bold
                color: Theme.white
            }
        }
    }
}
