import QtQuick
import Tarvik.Design

// The background of a panel of material: where the renderer can (OpenGL), a real blur of what
// `backdrop` shows behind the panel under a translucent tint; where it cannot (the software
// renderer, or a renderer that has not said what it is), and without a backdrop, a fill opaque
// enough that nothing behind it is legible.
//   backdrop: Item (the content behind, not an ancestor of the panel); radius; tint (regular material)
Item {
    id: panel

    property Item backdrop: null
    property real radius: 16
    property color tint: Theme.regularMaterial
    // Only a renderer known to run shaders blurs; an unknown one (not told yet) gets the fill.
    readonly property bool blurs: GraphicsInfo.api === GraphicsInfo.OpenGL && backdrop !== null

    // By address: the effects module loads only where it is used.
    Loader {
        anchors.fill: parent
        active: panel.blurs
        source: "qrc:/qt/qml/Tarvik/Design/MaterialBlur.qml"
        onLoaded: item.panel = panel
    }

    Rectangle {
        anchors.fill: parent
        radius: panel.radius
        color: panel.blurs ? panel.tint : Qt.rgba(panel.tint.r, panel.tint.g, panel.tint.b, Math.max(panel.tint.a, 0.97))
        border.width: 0.5
        border.color: Theme.separator
    }
}
