import QtQuick
import Tarvik.Design
import Tarvik.Requests

// The phone field of a request form: every edit is rewritten by PhoneEntry.normalized, so `phone`
// always reads "+7 " and up to ten digits ("+7 " at start). PhoneEntry.isValid(phone) is the
// form's rule.
//   title: placeholder (required, as ReferralInputField); phone: the stored value
ReferralInputField {
    id: field

    property string phone: "+7 "

    keyboard: Qt.ImhDialableCharactersOnly
    text: phone
    onTextEdited: {
        const stored = PhoneEntry.normalized(text, phone)
        phone = stored
        // Typing a letter leaves the stored value as it was; the text must follow it back.
        if (text !== stored)
            text = Qt.binding(() => field.phone)
        cursorPosition = length
    }
}
