import QtQuick
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account

// The screen of a subscriber without a session: login and password, the recovery sheet behind
// "Забыли пароль?", and "Войти", which asks the account store to sign in. Once the store's session
// has started, the app replaces this screen. Fills whatever sizes it.
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
        // The message takes the focus, so that a screen reader reads it out.
        ScreenReader.announce(errorMessage.item)
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

    // The screen has no heading: its first field says where the user is.
    Component.onCompleted: Qt.callLater(() => ScreenReader.enterScreen(view, loginField)) // qmllint disable type

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

        // Plain anchors rather than a layout: the first screen without a session is built right
        // after start-up, and the layouts module need not load for it.
        Item {
            id: column

            readonly property real frameWidth: Math.min(520, scroller.width)

            x: (scroller.width - frameWidth) / 2 + 24
            width: frameWidth - 48
            implicitHeight: signInButton.y + signInButton.height

            AssetImage {
                id: logo

                y: 82
                anchors.horizontalCenter: parent.horizontalCenter
                width: 150
                height: 32
                name: "TarvikOfficialLogo"
                fillMode: AssetImage.Fit
                // Flags are added rather than or-ed here and below: Qt 6.4's qmlcachegen compiles +
                // but not |, and the interpreted lookup of a first Qt.X value is slow.
                alignment: Qt.AlignLeft + Qt.AlignVCenter
                Accessible.role: Accessible.Graphic
                Accessible.name: "Логотип Tarvik"
            }

            StyledText {
                id: loginLabel

                anchors.top: logo.bottom
                anchors.topMargin: 88
                text: "Логин"
                size: 16
                weight: Font.Medium
                // The field carries it as its name.
                Accessible.ignored: true
            }

            TarvikTextField {
                id: loginField

                objectName: "loginField"
                anchors.top: loginLabel.bottom
                anchors.topMargin: 10
                width: parent.width
                placeholderText: "Введите логин"
                Accessible.name: loginLabel.text
                Accessible.description: placeholderText
                inputMethodHints: Qt.ImhNoAutoUppercase + Qt.ImhNoPredictiveText
                EnterKey.type: Qt.EnterKeyNext
                KeyNavigation.tab: passwordField
                onTextChanged: view.error = ""
                onAccepted: passwordField.forceActiveFocus()
            }

            StyledText {
                id: passwordLabel

                anchors.top: loginField.bottom
                anchors.topMargin: 22
                text: "Пароль"
                size: 16
                weight: Font.Medium
                Accessible.ignored: true
            }

            TarvikTextField {
                id: passwordField

                objectName: "passwordField"
                anchors.top: passwordLabel.bottom
                anchors.topMargin: 10
                width: parent.width
                rightPadding: 5 + eye.width + 8
                placeholderText: "Пароль"
                Accessible.name: passwordLabel.text
                echoMode: view.showPassword ? TextInput.Normal : TextInput.Password
                inputMethodHints: Qt.ImhSensitiveData + Qt.ImhNoAutoUppercase + Qt.ImhNoPredictiveText
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
                    // Reached by Tab; a tap leaves the focus (and the keyboard) in the field.
                    focusPolicy: Qt.TabFocus
                    symbol: view.showPassword ? "eye.slash.fill" : "eye.fill"
                    text: view.showPassword ? "Скрыть пароль" : "Показать пароль"
                    color: Theme.secondaryLabel
                    onClicked: view.showPassword = !view.showPassword
                }
            }

            TarvikButton {
                id: forgotButton

                objectName: "forgotPasswordButton"
                anchors.top: passwordField.bottom
                anchors.topMargin: 8
                width: parent.width
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

            // The message is made when there first is one: its text style is needed no sooner.
            Loader {
                id: errorMessage

                objectName: "errorText"
                anchors.top: forgotButton.bottom
                anchors.topMargin: 8
                width: parent.width
                visible: view.error.length > 0
                active: visible

                sourceComponent: StyledText {
                    text: view.error // qmllint disable unqualified
                    textStyle: Theme.Footnote
                    weight: Font.DemiBold
                    color: Theme.systemRed
                    wrapMode: Text.Wrap
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }

                NumberAnimation {
                    id: errorFade
                    target: errorMessage
                    property: "opacity"
                    from: 0
                    to: 1
                    duration: 180
                    easing.type: Easing.OutQuad
                }
            }

            TarvikButton {
                id: signInButton

                objectName: "signInButton"
                anchors.top: errorMessage.visible ? errorMessage.bottom : forgotButton.bottom
                anchors.topMargin: 24
                width: parent.width
                buttonStyle: TarvikButton.PrimaryGlass
                enabled: !AccountStore.isLoading
                text: "Войти"
                Accessible.name: AccountStore.isLoading ? "Загрузка" : text
                onClicked: view.signIn()

                contentItem: BusyButtonLabel {
                    button: signInButton
                    busy: AccountStore.isLoading
                    buttonHeight: 58
                }
            }
        }
    }

    // The recovery sheet is made when first opened and kept from then on; its screen is compiled
    // then too (by address).
    onForgotPasswordPresentedChanged: if (forgotPasswordPresented) recoverySheet.active = true

    Loader {
        id: recoverySheet

        active: false

        sourceComponent: Item {
            Sheet {
                title: "Забыли пароль?"
                presented: view.forgotPasswordPresented // qmllint disable unqualified
                onClosed: view.forgotPasswordPresented = false // qmllint disable unqualified
                sourceComponent: Component {
                    Loader {
                        source: "qrc:/qt/qml/Tarvik/Account/ForgotPasswordView.qml"
                    }
                }
            }
        }
    }
}
