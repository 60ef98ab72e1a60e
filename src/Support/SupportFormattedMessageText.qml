import QtQuick
import Tarvik.Design
import Tarvik.Support

// A chat message's text, formatted: paragraphs, quotes, bullet and numbered items, code blocks
// and blank-line spacers, with bold, italic, strikethrough, inline code and links inside. Raw HTML
// in a message stays text. Give it a width; naturalWidth is what it needs unwrapped.
//   text: string; foregroundColor, accentColor, codeBackground: colours
//   linkActivated(url): a link in the text was tapped
Column {
    id: formatted

    property string text
    property color foregroundColor: Theme.tarInk
    property color accentColor: Theme.tarPink
    property color codeBackground: Theme.tarPaper
    readonly property var blocks: SupportText.blocks(text, codeBackground, foregroundColor)
    readonly property real naturalWidth: {
        let widest = 0
        for (let i = 0; i < children.length; ++i) {
            if (children[i].naturalWidth !== undefined)
                widest = Math.max(widest, children[i].naturalWidth)
        }
        return Math.ceil(widest)
    }

    signal linkActivated(url link)

    spacing: 6

    component RichLine: Text {
        textFormat: Text.RichText
        wrapMode: Text.Wrap
        color: formatted.foregroundColor
        linkColor: formatted.foregroundColor
        font: Theme.font(Theme.Body)
        onLinkActivated: link => formatted.linkActivated(link)
    }

    Repeater {
        model: formatted.blocks

        Loader {
            id: block

            required property var modelData
            readonly property real naturalWidth: item ? item.naturalWidth : 0

            width: formatted.width
            sourceComponent: [paragraph, quote, bullet, number, code, spacer][modelData.kind]

            Component {
                id: paragraph

                RichLine {
                    readonly property real naturalWidth: implicitWidth
                    text: block.modelData.richText
                }
            }

            Component {
                id: quote

                Item {
                    readonly property real naturalWidth: quoteText.implicitWidth + 11
                    implicitHeight: quoteText.height + 4

                    Rectangle {
                        y: 2
                        width: 3
                        height: quoteText.height
                        radius: 2
                        color: formatted.accentColor
                    }
                    RichLine {
                        id: quoteText
                        x: 11
                        y: 2
                        width: parent.width - 11
                        text: block.modelData.richText
                        opacity: 0.82
                    }
                }
            }

            Component {
                id: bullet

                Item {
                    readonly property real naturalWidth: mark.implicitWidth + 8 + bulletText.implicitWidth
                    implicitHeight: Math.max(mark.height, bulletText.height)

                    StyledText {
                        id: mark
                        text: "•"
                        weight: Font.Bold
                        color: formatted.accentColor
                        Accessible.ignored: true
                    }
                    RichLine {
                        id: bulletText
                        x: mark.implicitWidth + 8
                        width: parent.width - x
                        text: block.modelData.richText
                    }
                }
            }

            Component {
                id: number

                Item {
                    readonly property real naturalWidth: marker.width + 8 + numberText.implicitWidth
                    implicitHeight: Math.max(marker.height, numberText.height)

                    // At least 20 wide and right-aligned, so that "9." and "10." line up.
                    StyledText {
                        id: marker
                        width: Math.max(20, implicitWidth)
                        text: block.modelData.marker
                        weight: Font.DemiBold
                        color: formatted.accentColor
                        horizontalAlignment: Text.AlignRight
                    }
                    RichLine {
                        id: numberText
                        x: marker.width + 8
                        width: parent.width - x
                        text: block.modelData.richText
                    }
                }
            }

            Component {
                id: code

                Rectangle {
                    readonly property real naturalWidth: codeText.implicitWidth + 20
                    implicitHeight: codeText.height + 16
                    radius: 10
                    color: formatted.codeBackground

                    Text {
                        id: codeText
                        x: 10
                        y: 8
                        width: parent.width - 20
                        text: block.modelData.text
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        color: formatted.foregroundColor
                        font.family: "monospace"
                        font.pixelSize: Theme.textStyleSize(Theme.Callout)
                    }
                }
            }

            Component {
                id: spacer

                Item {
                    readonly property real naturalWidth: 0
                    implicitHeight: 4
                }
            }
        }
    }
}
