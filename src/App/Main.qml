import QtQuick
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.App

// The app's one window: the session-loading screen until start-up has finished, then the signed-in
// screens or the sign-in screen, as the stored sign-in flag says.
T.ApplicationWindow {
    id: window

    width: 393
    height: 852
    minimumWidth: 320
    minimumHeight: 560
    visible: true
    title: "Tarvik"
    color: Theme.tarPaper
    font: Theme.font(Theme.Body)
    locale: Qt.locale("ru_RU")

    KeyboardDismissModifier {
        anchors.fill: parent

        Item {
            anchors.fill: parent

            Loader {
                id: content

                anchors.fill: parent
                active: TarvikApp.startupFinished
                opacity: 0
                // By address, so that the screens behind the greeting load only once it is shown.
                source: TarvikApp.signedIn ? "qrc:/qt/qml/Tarvik/Shell/AppShell.qml" : "qrc:/qt/qml/Tarvik/Account/LoginView.qml"

                // The end of start-up is a short fade from the greeting to the first real screen.
                NumberAnimation on opacity {
                    running: content.active
                    from: 0
                    to: 1
                    duration: 220
                    easing.type: Easing.OutCubic
                }
            }

            Loader {
                anchors.fill: parent
                active: !TarvikApp.startupFinished || content.opacity < 1
                opacity: 1 - content.opacity
                z: 1

                sourceComponent: SessionLoadingView {
                    firstName: TarvikApp.cachedFirstName
                }
            }
        }
    }

    KeyboardToolbar {
        active: TarvikApp.signedIn
    }
}
