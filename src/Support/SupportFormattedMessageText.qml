import QtQuick
import Tarvik.Design
import Tarvik.Support

// A chat message's text, formatted: paragraphs, quotes, bullet and numbered items, code blocks
// and blank-line spacers, with bold, italic, strikethrough, inline code and links inside. Raw HTML
// in a message stays text. One read-only text editor holds it all, so the text can be selected
// with the mouse and copied; its height follows from its width at once, which a list delegate
// relies on. Give it a width; naturalWidth is what it needs unwrapped.
//   messageText: the message as typed; foregroundColor, accentColor, codeBackground: colours
//   linkActivated(url): inherited, a link in the text was tapped
TextEdit {
    id: formatted

    property string messageText
    property color foregroundColor: Theme.tarInk
    property color accentColor: Theme.tarPink
    property color codeBackground: Theme.tarPaper
    // A code block takes the whole width it is given.
    readonly property bool hasCodeBlock: SupportText.hasCodeBlock(messageText)
    readonly property real naturalWidth: hasCodeBlock ? Infinity : Math.ceil(implicitWidth)

    textFormat: TextEdit.RichText
    text: SupportText.richText(messageText, foregroundColor, accentColor, codeBackground, Theme.textStyleSize(Theme.Callout))
    readOnly: true
    selectByMouse: true
    wrapMode: TextEdit.Wrap
    color: foregroundColor
    selectionColor: Theme.withOpacity(accentColor, 0.3)
    selectedTextColor: foregroundColor
    font: Theme.font(Theme.Body)
    Accessible.role: Accessible.StaticText
    Accessible.name: messageText
    Accessible.readOnly: true
}
