import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The app's button. The label is `text` in the body font unless `contentItem` is replaced;
// custom labels colour themselves with `foreground`.
//   buttonStyle: TarvikButton.Automatic (tinted label, no background; the platform default),
//                TarvikButton.Plain (label keeps its own colours), TarvikButton.PrimaryGlass
//                (filled with the tint, white label, 16-pt corners), TarvikButton.Glass (tinted
//                capsule with a tinted label)
//   tint: colour (Theme.tarPink); readonly foreground: the colour a label should use now
//   clicked(): the action
T.Button {
    id: control

    enum Style { Automatic, Plain, PrimaryGlass, Glass }

    property int buttonStyle: TarvikButton.Automatic
    property color tint: Theme.tarPink
    readonly property bool bordered: buttonStyle === TarvikButton.PrimaryGlass || buttonStyle === TarvikButton.Glass
    readonly property color foreground: {
        if (!enabled)
            return Theme.tertiaryLabel
        switch (buttonStyle) {
        case TarvikButton.PrimaryGlass:
            return Theme.white
        case TarvikButton.Plain:
            return Theme.label
        default:
            return tint
        }
    }

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    horizontalPadding: bordered ? 12 : 0
    verticalPadding: bordered ? 7 : 0

    contentItem: StyledText {
        text: control.text
        color: control.foreground
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        opacity: control.down && !control.bordered ? 0.45 : 1
    }

    background: Rectangle {
        visible: control.bordered
        radius: control.buttonStyle === TarvikButton.PrimaryGlass ? 16 : height / 2
        color: {
            if (!control.enabled)
                return Theme.tertiarySystemFill
            if (control.buttonStyle === TarvikButton.PrimaryGlass)
                return control.down ? Qt.darker(control.tint, 1.15) : control.tint
            return Theme.withOpacity(control.tint, control.down ? 0.24 : 0.15)
        }
    }
}
