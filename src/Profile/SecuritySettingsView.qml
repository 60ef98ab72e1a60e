import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Profile

// Security: whether two-factor confirmation of sign-in is on (with the confirmed address), leading
// to the e-mail confirmation for it, and a note.
//   no inputs
DetailPage {
    id: screen

    objectName: "securitySettingsView"
    title: "Безопасность"

    StoredPreference {
        id: twoFactorEnabled
        key: Defaults.twoFactorEnabled
    }
    StoredPreference {
        id: verifiedEmail
        key: Defaults.verifiedEmail
    }

    CardSurface {
        Layout.fillWidth: true

        contentItem: SettingsNavigationRow {
            objectName: "twoFactorRow"
            icon: "lock.shield.fill"
            tint: Theme.tarPink
            title: "Двухфакторная аутентификация"
            subtitle: twoFactorEnabled.value === true ? "Подключена · " + verifiedEmail.value : "Подтверждение входа по e-mail"
            onClicked: screen.push(Qt.resolvedUrl("EmailVerificationView.qml"), { purpose: EmailVerification.TwoFactor })
        }
    }

    StyledText {
        Layout.fillWidth: true
        text: "После подключения новый вход в личный кабинет потребуется подтвердить одноразовым кодом."
        textStyle: Theme.Footnote
        color: Theme.secondaryLabel
        wrapMode: Text.Wrap
    }
}
