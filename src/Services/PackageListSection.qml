import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// One section of a grouped list: an optional grey header over white rows in a rounded group
// (the rows draw the hairlines between them).
//   title: the header (none when empty); default property: the rows (PackageSelectionRow)
ColumnLayout {
    id: section

    property string title
    default property alias rows: group.data

    spacing: 7

    StyledText {
        Layout.fillWidth: true
        Layout.leftMargin: 16
        visible: section.title.length > 0
        text: section.title.toUpperCase()
        textStyle: Theme.Footnote
        color: Theme.secondaryLabel
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: group.implicitHeight
        radius: 10
        color: Theme.white
        clip: true

        ColumnLayout {
            id: group

            width: parent.width
            spacing: 0
        }
    }
}
