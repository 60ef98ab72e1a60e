import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A row of the profile's contact card: symbol, title, and the value on the right in grey (one
// line, shrinking to 72 % before it is cut); with `chevron` it leads somewhere.
//   required icon: symbol name; required title, value: string; chevron: bool (false)
Item {
    id: row

    required property string icon
    required property string title
    required property string value
    property bool chevron: false

    implicitHeight: Math.max(56, line.implicitHeight)
    implicitWidth: line.implicitWidth + 28

    RowLayout {
        id: line

        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        spacing: 12

        SymbolImage {
            Layout.preferredWidth: 32
            Layout.preferredHeight: 32
            name: row.icon
            size: 21
            color: Theme.tarInk
        }
        StyledText {
            text: row.title
            size: 16
            color: Theme.tarInk
        }
        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: 8 - 12
        }
        StyledText {
            objectName: "rowValue"
            Layout.maximumWidth: line.width * 0.6
            text: row.value
            size: 14
            color: Theme.secondaryLabel
            horizontalAlignment: Text.AlignRight
            maximumLineCount: 1
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(14 * 0.72)
            elide: Text.ElideRight
        }
        SymbolImage {
            visible: row.chevron
            name: "chevron.right"
            size: 13
            weight: Font.DemiBold
            color: Theme.withOpacity(Theme.secondaryLabel, Theme.secondaryLabel.a * 0.35)
        }
    }
}
