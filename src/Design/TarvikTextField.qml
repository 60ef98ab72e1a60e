import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// A one-line text field in the app's look: white rounded fill and an outline that follows the
// focus (pink, 2 wide while editing; ink at 12 %, 1 wide otherwise). For a password, set
// echoMode: TextInput.Password and put a SymbolButton inside (anchors.right) with rightPadding
// widened to make room for it. A key that the field's keypad lacks (a letter in a number field,
// by the input method hints) types nothing; a paste goes in as it is, for the field's own rules
// to judge. A placeholder too long for the field shrinks a little before it is cut.
//   placeholderText, text, echoMode, inputMethodHints, accepted(): as TextField
//   radius (14), fillColor (white), outlined (true), leftPadding/rightPadding (16), min height 54
T.TextField {
    id: control

    property real radius: 14
    property color fillColor: Theme.white
    property bool outlined: true

    implicitWidth: Math.max(120, contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(54, contentHeight + topPadding + bottomPadding)
    leftPadding: 16
    rightPadding: 16
    verticalAlignment: TextInput.AlignVCenter
    // A text longer than the field scrolls inside it and is drawn nowhere else.
    clip: true
    // The outline shows the focus: the keyboard's ring leaves the field alone.
    FocusKeeper.marksFocus: outlined

    font: Theme.font(Theme.Body)
    color: Theme.label
    placeholderTextColor: Theme.placeholderText
    selectionColor: Theme.withOpacity(Theme.tarPink, 0.3)
    selectedTextColor: Theme.label
    passwordCharacter: "\u2022"

    Keys.onPressed: event => event.accepted = !TextEditing.keypadTypes(control.inputMethodHints, event.text, event.modifiers)

    StyledText {
        x: control.leftPadding
        width: control.width - control.leftPadding - control.rightPadding
        height: control.height
        verticalAlignment: Text.AlignVCenter
        text: control.placeholderText
        font: control.font
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Math.round(control.font.pixelSize * 0.82)
        color: control.placeholderTextColor
        horizontalAlignment: control.horizontalAlignment
        elide: Text.ElideRight
        visible: control.length === 0 && control.preeditText.length === 0
        Accessible.ignored: true
    }

    background: Rectangle {
        radius: control.radius
        color: control.fillColor
        border.width: !control.outlined ? 0 : control.activeFocus ? 2 : 1
        border.color: control.activeFocus ? Theme.tarPink : Theme.withOpacity(Theme.tarInk, 0.12)
    }
}
