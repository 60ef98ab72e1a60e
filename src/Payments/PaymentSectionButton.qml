import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A static tile: a heavy title (two lines, shrinking to 0.76 before it is cut), a muted subtitle
// and a short bar in `tint` at the bottom; at least 108 high on translucent paper. It draws
// only: make it the contentItem of a TarvikButton (Plain).
//   required title, subtitle: string; required tint: color
Item {
    id: tile

    required property string title
    required property string subtitle
    required property color tint

    implicitWidth: 150
    implicitHeight: Math.max(108, column.implicitHeight + 28)

    Rectangle {
        anchors.fill: parent
        radius: 20
        color: Theme.withOpacity(Theme.tarPaper, 0.78)
    }

    ColumnLayout {
        id: column

        anchors.fill: parent
        anchors.margins: 14
        spacing: 8

        // The title's height at full size, at most two lines: the shown title shrinks only when
        // the text needs more than that.
        StyledText {
            id: titleAtFullSize

            visible: false
            width: column.width
            text: tile.title
            size: 16
            weight: Font.Black
            rounded: true
            tracking: -0.2
            wrapMode: Text.Wrap
            maximumLineCount: 2
        }

        StyledText {
            objectName: "sectionTitle"
            Layout.fillWidth: true
            Layout.preferredHeight: titleAtFullSize.implicitHeight
            text: tile.title
            size: 16
            weight: Font.Black
            rounded: true
            tracking: -0.2
            color: Theme.tarInk
            wrapMode: Text.Wrap
            maximumLineCount: 2
            fontSizeMode: Text.Fit
            minimumPixelSize: Math.round(16 * 0.76)
            elide: Text.ElideRight
        }

        StyledText {
            Layout.fillWidth: true
            text: tile.subtitle
            size: 12
            weight: Font.DemiBold
            rounded: true
            color: Theme.withOpacity(Theme.tarInk, 0.52)
            wrapMode: Text.Wrap
            maximumLineCount: 2
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.round(12 * 0.78)
            elide: Text.ElideRight
        }

        Item {
            Layout.fillHeight: true
        }

        Rectangle {
            objectName: "sectionBar"
            implicitWidth: 34
            implicitHeight: 5
            radius: 2.5
            color: tile.tint
        }
    }
}
