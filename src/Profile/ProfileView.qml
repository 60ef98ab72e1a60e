import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account
import Tarvik.Profile

// The subscriber's profile: the header with avatar, name and phone, the contact card (the e-mail
// row leads to its confirmation), and the sign-out, which asks first and signs the app out only
// once the store has finished signing out. The gear opens the settings.
//   screenTitle: string ("Профиль"); logoutConfirmation: bool, the sign-out alert is up
//   signingOut: bool, the store's sign-out is under way (the screen sets it)
NavigationPage {
    id: page

    property string screenTitle: "Профиль"
    property bool logoutConfirmation: false
    property bool signingOut: false
    readonly property var account: AccountStore.account

    function signOut() {
        // A second "Выйти" while the store is still signing out would only sign out twice.
        if (signingOut)
            return
        signingOut = true
        AccountStore.signOut()
    }

    objectName: "profileView"
    title: screenTitle
    color: Theme.tarPaper
    backButtonHidden: true
    leadingItems: [
        BackBarButton {
            objectName: "profileBackButton"
            symbolSize: 17
            spacing: 4
            onClicked: page.pop()
        }
    ]
    trailingItems: [
        SymbolButton {
            objectName: "settingsButton"
            symbol: "gearshape.fill"
            text: "Настройки"
            color: Theme.tarPink
            onClicked: page.push(Qt.resolvedUrl("SettingsView.qml"))
        }
    ]

    StoredPreference {
        id: verifiedEmail
        key: Defaults.verifiedEmail
    }
    StoredPreference {
        id: avatarJpeg
        key: Defaults.profileAvatarJpeg
    }

    Connections {
        target: AccountStore
        enabled: page.signingOut
        function onSignOutFinished() {
            page.signingOut = false
        }
    }

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: column.implicitHeight + 6 + 18
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column

            x: 12
            y: 6
            width: parent.width - 24
            spacing: 14

            // Header: avatar, name, phone.
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: Math.max(86, header.implicitHeight + 24)
                radius: 20
                color: Theme.white

                RowLayout {
                    id: header

                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 14

                    ProfileAvatarImage {
                        objectName: "profileAvatar"
                        Layout.preferredWidth: 62
                        Layout.preferredHeight: 62
                        avatarJPEG: avatarJpeg.value
                        fallbackLetter: ProfileTexts.avatarLetter(page.account.firstName)
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 4

                        StyledText {
                            objectName: "profileName"
                            Layout.fillWidth: true
                            text: page.account.fullName
                            size: 17
                            weight: Font.DemiBold
                            color: Theme.tarInk
                            maximumLineCount: 1
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: Math.round(17 * 0.72)
                            elide: Text.ElideRight
                        }
                        StyledText {
                            objectName: "profileHeroTitle"
                            Layout.fillWidth: true
                            text: ProfileTexts.heroTitle(page.account.mobilePhone, page.account.homePhone, page.account.fullName)
                            size: 14
                            color: Theme.secondaryLabel
                            maximumLineCount: 1
                            elide: Text.ElideRight
                            // The phone row, or the name above, already says what it shows.
                            Accessible.ignored: text === phoneRow.value || text === page.account.fullName
                        }
                    }
                }
            }

            // Contacts.
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: contacts.implicitHeight
                radius: 20
                color: Theme.white

                ColumnLayout {
                    id: contacts

                    width: parent.width
                    spacing: 0

                    ProfileValueRow {
                        id: phoneRow

                        objectName: "phoneRow"
                        Layout.fillWidth: true
                        icon: "phone"
                        title: "Телефон"
                        value: ProfileTexts.phoneRowValue(page.account.mobilePhone, page.account.homePhone)
                    }
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.leftMargin: 58
                        implicitHeight: 0.5
                        color: Theme.separator
                    }
                    ProfileValueRow {
                        objectName: "emailRow"
                        Layout.fillWidth: true
                        icon: "envelope"
                        title: "E-mail"
                        value: verifiedEmail.value.length > 0 ? verifiedEmail.value : "Подключить"
                        chevron: true
                        onClicked: page.push(Qt.resolvedUrl("EmailVerificationView.qml"),
                                             { purpose: EmailVerification.Profile })
                    }
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.leftMargin: 58
                        implicitHeight: 0.5
                        color: Theme.separator
                    }
                    ProfileValueRow {
                        objectName: "addressRow"
                        Layout.fillWidth: true
                        icon: "mappin.and.ellipse"
                        title: "Адрес"
                        value: page.account.address
                    }
                }
            }

            // Sign-out.
            TarvikButton {
                id: signOutButton

                objectName: "signOutButton"
                Layout.fillWidth: true
                buttonStyle: TarvikButton.Plain
                text: "Выйти из приложения"
                onClicked: page.logoutConfirmation = true

                background: Rectangle {
                    implicitHeight: 56
                    radius: 20
                    color: signOutButton.down ? Qt.darker(Theme.white, 1.04) : Theme.white
                }
                contentItem: RowLayout {
                    spacing: 12

                    SymbolImage {
                        Layout.leftMargin: 14
                        Layout.preferredWidth: 32
                        Layout.preferredHeight: 32
                        name: "rectangle.portrait.and.arrow.right"
                        size: 21
                        color: Theme.systemRed
                    }
                    StyledText {
                        Layout.fillWidth: true
                        Layout.rightMargin: 14
                        text: signOutButton.text
                        size: 16
                        color: Theme.systemRed
                        Accessible.ignored: true
                    }
                }
            }
        }
    }

    Alert {
        objectName: "logoutAlert"
        presented: page.logoutConfirmation
        title: "Выйти из приложения?"
        message: "Для следующего входа потребуется снова ввести логин и пароль."
        onClosed: page.logoutConfirmation = false
        buttons: [
            AlertButton {
                text: "Отмена"
                role: AlertButton.Cancel
            },
            AlertButton {
                text: "Выйти"
                role: AlertButton.Destructive
                onTriggered: page.signOut()
            }
        ]
    }
}
