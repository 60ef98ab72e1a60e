import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account

// The screen of a subscriber without a session: login and password, the recovery sheet behind
// "Забыли пароль?", and "Войти", which asks the account store to sign in. Success turns the stored
// flag "tarvikSignedIn" on, and the app replaces this screen. Fills whatever sizes it.
Item {
    id: view

    property alias login: loginField.text
    property alias password: passwordField.text
    property bool showPassword: false
    // The message under the fields; empty means none.
    property string error
    property bool forgotPasswordPresented: false
    // From our call of the store's signIn() until its answer.
    property bool awaitingSignIn: false

    function showError(message) {
        error = message
        errorFade.restart()
        Haptics.play(Haptics.NotificationError)
    }

    function signIn() {
        // While the store loads, a sign-in would be refused as "unavailable" and that text would
        // stand over a sign-in that may still succeed: like the disabled button, do nothing.
        if (AccountStore.isLoading || awaitingSignIn)
            return
        TextEditing.endEditing()
        if (login.length === 0 || password.length === 0) {
            showError("Введите логин и пароль")
            return
        }
        awaitingSignIn = true
        AccountStore.signIn(login, password)
    }

    function showForgotPassword() {
        TextEditing.endEditing()
        forgotPasswordPresented = true
    }

    StoredPreference {
        id: signedIn
        key: "tarvikSignedIn"
    }

    Connections {
        target: AccountStore
        enabled: view.awaitingSignIn

        function onSignInFinished(ok, error) {
            view.awaitingSignIn = false
            if (!ok) {
                view.showError(error.length > 0 ? error : "Не удалось войти. Попробуйте ещё раз")
                return
            }
            view.password = ""
            Haptics.play(Haptics.NotificationSuccess)
            signedIn.value = true
        }
    }

    TarvikBackground {
        anchors.fill: parent
    }

    Flickable {
        id: scroller

        anchors.fill: parent
        contentWidth: width
        contentHeight: column.implicitHeight + 32
        flickableDirection: Flickable.VerticalFlick
        clip: true
        T.ScrollIndicator.vertical: TarvikScrollIndicator {}

        ColumnLayout {
            id: column

            readonly property real frameWidth: Math.min(520, scroller.width)

            x: (scroller.width - frameWidth) / 2 + 24
            width: frameWidth - 48
            spacing: 0

            AssetImage {
                Layout.topMargin: 82
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 150
                Layout.preferredHeight: 32
                name: "TarvikOfficialLogo"
                fillMode: AssetImage.Fit
                alignment: Qt.AlignLeft | Qt.AlignVCenter
                Accessible.role: Accessible.Graphic
                Accessible.name: "Логотип Tarvik"
            }

            StyledText {
                Layout.topMargin: 88
                text: "Логин"
                size: 16
                weight: Font.Medium
            }

            TarvikTextField {
                id: loginField

                objectName: "loginField"
                Layout.topMargin: 10
                Layout.fillWidth: true
                placeholderText: "Введите логин"
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                EnterKey.type: Qt.EnterKeyNext
                KeyNavigation.tab: passwordField
                onTextChanged: view.error = ""
                onAccepted: passwordField.forceActiveFocus()
            }

            StyledText {
                Layout.topMargin: 22
                text: "Пароль"
                size: 16
                weight: Font.Medium
            }

            TarvikTextField {
                id: passwordField

                objectName: "passwordField"
                Layout.topMargin: 10
                Layout.fillWidth: true
                rightPadding: 5 + eye.width + 8
                placeholderText: "Пароль"
                echoMode: view.showPassword ? TextInput.Normal : TextInput.Password
                inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
                EnterKey.type: Qt.EnterKeyDone
                onTextChanged: view.error = ""
                onAccepted: view.signIn()

                SymbolButton {
                    id: eye

                    objectName: "showPasswordButton"
                    anchors.right: parent.right
                    anchors.rightMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    buttonStyle: TarvikButton.Plain
                    focusPolicy: Qt.NoFocus
                    symbol: view.showPassword ? "eye.slash.fill" : "eye.fill"
                    text: view.showPassword ? "Скрыть пароль" : "Показать пароль"
                    color: Theme.secondaryLabel
                    onClicked: view.showPassword = !view.showPassword
                }
            }

            TarvikButton {
                id: forgotButton

                objectName: "forgotPasswordButton"
                Layout.topMargin: 8
                Layout.fillWidth: true
                implicitHeight: 44
                buttonStyle: TarvikButton.Plain
                text: "Забыли пароль?"
                onClicked: view.showForgotPassword()

                contentItem: StyledText {
                    text: forgotButton.text
                    size: 16
                    weight: Font.DemiBold
                    color: Theme.tarPink
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    opacity: forgotButton.down ? 0.45 : 1
                }
            }

            StyledText {
                objectName: "errorText"
                Layout.topMargin: 8
                Layout.fillWidth: true
                visible: view.error.length > 0
                text: view.error
                textStyle: Theme.Footnote
                weight: Font.DemiBold
                color: Theme.systemRed
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
                Accessible.name: text

                NumberAnimation on opacity {
                    id: errorFade
                    from: 0
                    to: 1
                    duration: 180
                    easing.type: Easing.OutQuad
                }
            }

            TarvikButton {
                id: signInButton

                objectName: "signInButton"
                Layout.topMargin: 24
                Layout.fillWidth: true
                buttonStyle: TarvikButton.PrimaryGlass
                enabled: !AccountStore.isLoading
                text: "Войти"
                Accessible.name: AccountStore.isLoading ? "Загрузка" : text
                onClicked: view.signIn()

                contentItem: Item {
                    implicitHeight: 58 - signInButton.topPadding - signInButton.bottomPadding

                    ActivityIndicator {
                        anchors.centerIn: parent
                        visible: AccountStore.isLoading
                        color: Theme.white
                    }

                    StyledText {
                        anchors.centerIn: parent
                        visible: !AccountStore.isLoading
                        text: signInButton.text
                        textStyle: Theme.Headline
                        color: signInButton.foreground
                        Accessible.ignored: true
                    }
                }
            }
        }
    }

    Sheet {
        presented: view.forgotPasswordPresented
        onClosed: view.forgotPasswordPresented = false
        sourceComponent: Component {
            ForgotPasswordView {}
        }
    }
}
