import QtQuick
import Tarvik.Platform

// Keeps a text field to the phone entry rule (PhoneEntry): whatever is typed, pasted or deleted,
// the field shows the national digits left in `display`, and its cursor stays after the digits it
// was after. The field's text is the rule's; do not bind it elsewhere. Put it inside the field:
//   TarvikTextField { id: phoneField; PhoneFieldRule { field: phoneField } }
//   required field: the TextInput (a TarvikTextField); display: PhoneEntry.Display (Masked)
//   national: the national digits, ten at most; readonly text: what the field shows
QtObject {
    id: rule

    required property TextInput field
    property int display: PhoneEntry.Masked
    property string national
    readonly property string text: PhoneEntry.text(national, display)

    readonly property Binding shown: Binding {
        target: rule.field
        property: "text"
        value: rule.text
    }

    readonly property Connections edits: Connections {
        target: rule.field

        function onTextEdited() {
            const edit = PhoneEntry.edit(rule.text, rule.field.text, rule.field.cursorPosition, rule.display)
            rule.national = edit.national
            // An edit that changed no digit (a separator deleted, a sign typed) left the digits as
            // they were: the text goes back to theirs.
            if (rule.field.text !== edit.text)
                rule.field.text = edit.text
            rule.field.cursorPosition = edit.cursor
        }
    }
}
