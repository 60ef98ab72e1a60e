import QtQuick
import Tarvik.Platform
import Tarvik.Design

// The phone field of a request form, kept to the phone entry rule: `phone` always reads "+7 "
// and up to ten national digits ("+7 " at start), as the field shows it. The form's rule wants
// all ten.
//   title: placeholder (required, as ReferralInputField); readonly phone: the stored value
ReferralInputField {
    id: field

    readonly property alias phone: rule.text

    keyboard: Qt.ImhDialableCharactersOnly

    PhoneFieldRule {
        id: rule
        field: field
        display: PhoneEntry.Prefixed
    }
}
