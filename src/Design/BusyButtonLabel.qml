import QtQuick
import Tarvik.Design

// A filled button's label while something it started is under way: its text in the headline
// style, or the white activity indicator in its place while `busy` (made only then). Meanwhile the
// button names itself "Загрузка", as the indicator does.
//   required button: the TarvikButton it labels; busy: bool (false)
//   buttonHeight: the button's whole height (its paddings are taken off)
Item {
    id: label

    required property TarvikButton button
    property bool busy
    property real buttonHeight

    implicitHeight: buttonHeight - button.topPadding - button.bottomPadding

    Loader {
        anchors.centerIn: parent
        active: label.busy

        sourceComponent: ActivityIndicator {
            color: Theme.white
        }
    }

    StyledText {
        anchors.centerIn: parent
        visible: !label.busy
        text: label.button.text
        textStyle: Theme.Headline
        color: label.button.foreground
        Accessible.ignored: true
    }
}
