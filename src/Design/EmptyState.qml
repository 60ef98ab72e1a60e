import QtQuick
import Tarvik.Design

// What a list or a search shows when it has nothing: a symbol over a title over a message, all
// centred; the message wraps. The whole is centred in at least `minimumHeight`, with
// `verticalPadding` above and below.
//   symbol: symbol name; symbolSize (the title font's size); symbolWeight (regular);
//   symbolColor (Theme.tarPink)
//   title, message: string; titleLabel, messageLabel: the StyledTexts that show them, to style
//   (the title in the headline style, the message in the subheadline style, secondary)
//   spacing: under the symbol (12); textSpacing: from the title to the message (spacing)
//   minimumHeight, verticalPadding: real (0)
//   readAsOne: bool (false) — one text for assistive technology, "title. message", rather than
//   the title and the message apart
Item {
    id: emptyState

    property string symbol
    property real symbolSize: Theme.textStyleSize(Theme.Title)
    property int symbolWeight: Font.Normal
    property color symbolColor: Theme.tarPink
    property string title
    property string message
    readonly property alias symbolItem: symbolImage
    readonly property alias titleLabel: titleText
    readonly property alias messageLabel: messageText
    property real spacing: 12
    property real textSpacing: spacing
    property real minimumHeight: 0
    property real verticalPadding: 0
    property bool readAsOne: false

    implicitWidth: Math.max(symbolImage.implicitWidth, titleText.implicitWidth, messageText.implicitWidth)
    implicitHeight: Math.max(minimumHeight, content.height + 2 * verticalPadding)
    Accessible.role: Accessible.StaticText
    Accessible.name: message.length > 0 ? title + ". " + message : title
    Accessible.ignored: !readAsOne

    Item {
        id: content

        y: Math.round((emptyState.height - height) / 2)
        width: emptyState.width
        height: messageText.y + Math.ceil(messageText.height)

        SymbolImage {
            id: symbolImage

            x: Math.round((parent.width - width) / 2)
            name: emptyState.symbol
            size: emptyState.symbolSize
            weight: emptyState.symbolWeight
            color: emptyState.symbolColor
        }

        StyledText {
            id: titleText

            x: Math.round((parent.width - width) / 2)
            y: Math.ceil(symbolImage.height) + emptyState.spacing
            width: Math.min(Math.ceil(implicitWidth), parent.width)
            text: emptyState.title
            textStyle: Theme.Headline
            // Its own width on one line; lines of a title wider than the state are centred.
            horizontalAlignment: implicitWidth > width ? Text.AlignHCenter : Text.AlignLeft
            wrapMode: Text.Wrap
            Accessible.ignored: emptyState.readAsOne
        }

        StyledText {
            id: messageText

            y: titleText.y + Math.ceil(titleText.height) + emptyState.textSpacing
            width: parent.width
            text: emptyState.message
            textStyle: Theme.Subheadline
            color: Theme.secondaryLabel
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            Accessible.ignored: emptyState.readAsOne
        }
    }
}
