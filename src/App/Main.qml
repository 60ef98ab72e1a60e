import QtQuick
import Tarvik.Design
import Tarvik.App

// The app's one window: the session-loading screen until start-up has finished, then the signed-in
// screens or the sign-in screen, as the stored sign-in flag says. A plain window: the controls
// module loads with the first screen that has controls, not for the greeting. The screens' text
// takes the application's font, which main() sets once the window is built (the greeting's text
// sets its own).
Window {
    id: window

    width: 393
    height: 852
    minimumWidth: 320
    minimumHeight: 560
    visible: true
    title: "Tarvik"
    color: Theme.tarPaper

    // Scrolls whatever takes the focus into view.
    FocusScroller {}
    // Shows the keyboard's focus, and keeps it on a named control when what had it goes: from the
    // first real screen on (the greeting has nothing to focus), made beside that screen's first
    // frame rather than before it, over every screen and popup.
    Loader {
        z: 2000000
        active: TarvikApp.startupFinished
        asynchronous: true
        sourceComponent: FocusIndicator {}
    }

    KeyboardDismissModifier {
        anchors.fill: parent

        // While a field is edited the keyboard's bar holds the bottom of the window: the screens
        // end above it (and draw nothing below their end), so that it covers none of them.
        PageScope {
            anchors.fill: parent
            anchors.bottomMargin: TextEditing.keyboardHeight
            clip: TextEditing.keyboardHeight > 0

            Loader {
                id: content

                anchors.fill: parent
                active: TarvikApp.startupFinished
                opacity: 0
                // By address: the screens behind the greeting are not built with it. main() has the
                // one start-up will most likely end on compiled meanwhile.
                source: TarvikApp.screen

                // The end of start-up is a short fade from the greeting to the first real screen.
                NumberAnimation on opacity { // qmllint disable property
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

    // By address, with the signed-in screens: the keyboard's bar, and the sheet that shows a web
    // address no program here opens.
    Loader {
        active: TarvikApp.signedIn && TarvikApp.startupFinished
        source: "qrc:/qt/qml/Tarvik/Design/KeyboardToolbar.qml"
    }
    Loader {
        active: TarvikApp.signedIn && TarvikApp.startupFinished
        source: "qrc:/qt/qml/Tarvik/Design/UnopenedLinkSheet.qml"
    }
}
