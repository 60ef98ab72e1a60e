import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// The kit's list row: the `leading` item (a SymbolTile, say), `title` over `subtitle`, a `value`
// and the trailing `accessory`, in that order, each centred on the row's height. The value takes
// its own width (up to `valueMaximumWidth`) and the texts the room that is left. Placed by
// bindings, not layouts, so that the row's height is known when a list makes it.
// A `pressable` row is one button for a screen reader (named by its title, described by its
// subtitle and value, checked with `checked` when `checkable`, a radio button when `exclusive`)
// and presses by tap, Return and Space; any other row reads as one text, unless its accessory is a control that is named after
// it (a field: `readAsText` false). The slots only draw: their items have no Accessible.
//   leading, accessory: Item (none; left out while invisible)
//   title, subtitle, value: string (the subtitle and the value are shown when not empty; a row
//     that shows its value in an accessory hides the value label)
//   titleLabel, subtitleLabel, valueLabel: the StyledTexts that show them, to style (the title
//     one line in the body style, the subtitle wrapped in the caption style, the value one line in
//     the subheadline style, both secondary)
//   spacing: after the leading item (14); textSpacing: from title to subtitle (3)
//   valueSpacing: from the texts to the value (spacing); accessorySpacing: before the accessory
//     (spacing); valueMaximumWidth: real (no limit); minimumHeight: real (0)
//   pressable, checkable, checked: bool (false); readAsText: bool (unless pressable)
//   exclusive: bool (false) — the row is one choice of several (with `checkable`)
//   readonly down: bool; clicked()
//   padding, background: as any control's
T.Control {
    id: row

    property Item leading
    property Item accessory
    property string title
    property string subtitle
    property string value
    readonly property alias titleLabel: titleText
    readonly property alias subtitleLabel: subtitleText
    readonly property alias valueLabel: valueText
    property real textSpacing: 3
    property real valueSpacing: spacing
    property real accessorySpacing: spacing
    property real valueMaximumWidth: Infinity
    property real minimumHeight: 0
    property bool pressable: false
    property bool checkable: false
    property bool checked: false
    property bool exclusive: false
    property bool readAsText: !pressable
    readonly property bool down: press.item !== null && (press.item as T.AbstractButton).down

    signal clicked()

    spacing: 14
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: Math.max(minimumHeight, implicitContentHeight + topPadding + bottomPadding)
    // Read as its text or its button alone.
    Accessible.ignored: true

    Loader {
        id: press

        anchors.fill: parent
        active: row.pressable
        sourceComponent: T.AbstractButton {
            text: row.title // qmllint disable unqualified
            checkable: row.checkable // qmllint disable unqualified
            checked: row.checked // qmllint disable unqualified
            autoExclusive: row.exclusive // qmllint disable unqualified
            Accessible.name: row.title // qmllint disable unqualified
            Accessible.description: [row.subtitle, row.value].filter(text => text.length > 0).join(", ") // qmllint disable type unqualified
            // A tap asks for the choice; whoever owns it makes it, and `checked` follows.
            onToggled: checked = Qt.binding(() => row.checked) // qmllint disable unqualified
            onClicked: row.clicked() // qmllint disable unqualified
        }
    }

    contentItem: Item {
        id: content

        readonly property bool hasLeading: row.leading !== null && row.leading.visible
        readonly property bool hasAccessory: row.accessory !== null && row.accessory.visible
        readonly property bool hasValue: valueText.visible
        readonly property real textsX: hasLeading ? row.leading.width + row.spacing : 0
        readonly property real valueRight: hasAccessory ? accessoryBox.x - row.accessorySpacing : width
        readonly property real valueWidth: hasValue ? Math.min(Math.ceil(valueText.implicitWidth), row.valueMaximumWidth) : 0

        implicitWidth: textsX + Math.max(titleText.implicitWidth, subtitleText.visible ? subtitleText.implicitWidth : 0)
                       + (hasValue ? row.valueSpacing + Math.ceil(valueText.implicitWidth) : 0)
                       + (hasAccessory ? row.accessorySpacing + accessoryBox.width : 0)
        implicitHeight: Math.max(leadingBox.height, texts.height, hasValue ? valueText.height : 0, accessoryBox.height)
        // Here, not on the row: Qt Quick gives a control's `Accessible` a role of its own.
        Accessible.role: Accessible.StaticText
        Accessible.name: [row.title, row.subtitle, row.value].filter(text => text.length > 0).join(", ") // qmllint disable type
        Accessible.ignored: !row.readAsText

        Item {
            id: leadingBox

            y: Math.round((content.height - height) / 2)
            width: content.hasLeading ? row.leading.width : 0
            height: content.hasLeading ? row.leading.height : 0
            children: row.leading ? [row.leading] : []
        }

        Item {
            id: texts

            x: content.textsX
            y: Math.round((content.height - height) / 2)
            width: Math.max(0, (content.hasValue ? valueText.x - row.valueSpacing : content.valueRight) - x)
            height: subtitleText.visible ? subtitleText.y + subtitleText.height : titleText.height

            StyledText {
                id: titleText

                width: parent.width
                text: row.title
                Accessible.ignored: true
            }

            StyledText {
                id: subtitleText

                y: titleText.height + row.textSpacing
                width: parent.width
                visible: row.subtitle.length > 0
                text: row.subtitle
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
                elide: Text.ElideRight
                Accessible.ignored: true
            }
        }

        StyledText {
            id: valueText

            x: content.valueRight - width
            y: Math.round((content.height - height) / 2)
            width: content.valueWidth
            visible: row.value.length > 0
            text: row.value
            textStyle: Theme.Subheadline
            color: Theme.secondaryLabel
            Accessible.ignored: true
        }

        Item {
            id: accessoryBox

            x: content.width - width
            y: Math.round((content.height - height) / 2)
            width: content.hasAccessory ? row.accessory.width : 0
            height: content.hasAccessory ? row.accessory.height : 0
            children: row.accessory ? [row.accessory] : []
        }
    }
}
