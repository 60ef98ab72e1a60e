import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The title block of a request form's card: the big rounded title ("\n" breaks it) over the grey
// description, 9 apart.
//   required title, description: string
ColumnLayout {
    id: block

    required property string title
    required property string description

    spacing: 9

    StyledText {
        objectName: "formTitle"
        Layout.fillWidth: true
        text: block.title
        size: 34
        weight: Font.Black
        rounded: true
        tracking: -0.8
        color: Theme.tarInk
        wrapMode: Text.Wrap
        Accessible.role: Accessible.Heading
        Accessible.name: text.replace(/\n/g, " ")
    }

    StyledText {
        Layout.fillWidth: true
        text: block.description
        size: 15
        color: Theme.withOpacity(Theme.tarInk, 0.58)
        wrapMode: Text.Wrap
        lineHeightMode: Text.FixedHeight
        lineHeight: 21
    }
}
