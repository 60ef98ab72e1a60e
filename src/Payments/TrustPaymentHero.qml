import QtQuick
import QtQuick.Layouts
import QtQuick.Shapes
import Tarvik.Design

// The trust payment's hero card: the title and the offer in white over an orange gradient (top
// trailing to bottom leading), with the background artwork stretched over the card and the coins
// at its bottom trailing corner; rounded by 20.
Item {
    id: hero

    readonly property real radius: 20

    implicitHeight: Math.max(244, texts.implicitHeight + 44)

    Shape {
        anchors.fill: parent
        Accessible.ignored: true

        ShapePath {
            id: outline

            readonly property real w: hero.width
            readonly property real h: hero.height
            readonly property real r: hero.radius

            strokeWidth: -1
            fillGradient: LinearGradient {
                x1: hero.width
                y1: 0
                x2: 0
                y2: hero.height
                GradientStop { position: 0; color: Qt.rgba(252 / 255, 157 / 255, 57 / 255, 1) }
                GradientStop { position: 1; color: Qt.rgba(1, 102 / 255, 55 / 255, 1) }
            }

            startX: outline.r
            startY: 0
            PathLine { x: outline.w - outline.r; y: 0 }
            PathArc { x: outline.w; y: outline.r; radiusX: outline.r; radiusY: outline.r }
            PathLine { x: outline.w; y: outline.h - outline.r }
            PathArc { x: outline.w - outline.r; y: outline.h; radiusX: outline.r; radiusY: outline.r }
            PathLine { x: outline.r; y: outline.h }
            PathArc { x: 0; y: outline.h - outline.r; radiusX: outline.r; radiusY: outline.r }
            PathLine { x: 0; y: outline.r }
            PathArc { x: outline.r; y: 0; radiusX: outline.r; radiusY: outline.r }
        }
    }

    AssetImage {
        anchors.fill: parent
        name: "TrustPaymentBackground"
        fillMode: AssetImage.Stretch
        radius: hero.radius
        Accessible.ignored: true
    }

    AssetImage {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        width: 112
        height: 208
        name: "TrustPaymentCoins"
        fillMode: AssetImage.Fit
        alignment: Qt.AlignRight | Qt.AlignBottom
        Accessible.ignored: true
    }

    FontMetrics {
        id: offerMetrics
        font: Theme.font(Theme.Subheadline)
    }

    ColumnLayout {
        id: texts

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.leftMargin: 22
        anchors.topMargin: 22
        anchors.rightMargin: 22 + 92
        spacing: 12

        StyledText {
            Layout.fillWidth: true
            text: "Доверительный платёж"
            size: 22
            weight: Font.Bold
            rounded: true
            color: Theme.white
            wrapMode: Text.Wrap
            Accessible.role: Accessible.Heading
        }

        StyledText {
            Layout.fillWidth: true
            text: "Когда баланс на нуле и нет возможности его пополнить, подключите «Доверительный платёж» и продолжайте пользоваться услугами."
            textStyle: Theme.Subheadline
            // Two points between lines.
            lineHeightMode: Text.FixedHeight
            lineHeight: offerMetrics.height + 2
            color: Theme.white
            wrapMode: Text.Wrap
        }
    }
}
