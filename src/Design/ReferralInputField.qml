import QtQuick
import Tarvik.Design

// A one-line form field on translucent paper (radius 18, at least 54 high, padded 16 at the
// sides) whose placeholder is its title, in 15-pt semibold rounded ink. An e-mail field neither
// capitalises nor corrects words.
//   required title: string; text: string (write back from onTextEdited for a two-way field)
//   keyboard: input method hints of the keyboard (Qt.ImhNone; Qt.ImhDigitsOnly for a number pad,
//   Qt.ImhEmailCharactersOnly for an e-mail address)
TarvikTextField {
    id: field

    required property string title
    property int keyboard: Qt.ImhNone

    placeholderText: title
    font: Theme.systemFont(15, Font.DemiBold, true)
    color: Theme.tarInk
    inputMethodHints: (keyboard & Qt.ImhEmailCharactersOnly) ? keyboard | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                                                         : keyboard
    radius: 18
    fillColor: Theme.withOpacity(Theme.tarPaper, 0.78)
    outlined: false
    Accessible.name: title
}
