import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// A section heading: `title` (title 2, bold) with `action` at the trailing edge (subheadline,
// semibold, pink). The action text is a label only.
//   required title, action: string
RowLayout {
    required property string title
    required property string action

    StyledText {
        Layout.fillWidth: true
        text: parent.title
        textStyle: Theme.Title2
        weight: Font.Bold
        elide: Text.ElideRight
        Accessible.role: Accessible.Heading
    }

    StyledText {
        text: parent.action
        textStyle: Theme.Subheadline
        weight: Font.DemiBold
        color: Theme.tarPink
    }
}
