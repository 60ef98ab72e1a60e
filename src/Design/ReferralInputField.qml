import QtQuick
import Tarvik.Design

// A one-line form field on translucent paper (radius 18, at least 54 high, padded 16 at the
// sides) whose placeholder is its title; no word suggestions.
//   required title: string; text: string (write back from onTextEdited for a two-way field)
//   keyboard: input method hints of the keyboard (Qt.ImhNone; Qt.ImhDigitsOnly for a number pad)
TarvikTextField {
    id: field

    required property string title
    property int keyboard: Qt.ImhNone

    placeholderText: title
    inputMethodHints: keyboard | Qt.ImhNoPredictiveText
    radius: 18
    fillColor: Theme.withOpacity(Theme.tarPaper, 0.78)
    outlined: false
    Accessible.name: title
}
