import QtQml

// One button of an Alert.
//   text: string; role: AlertButton.Default, AlertButton.Cancel (bold) or AlertButton.Destructive
//   (red); triggered(): run after the alert has started closing
QtObject {
    enum Role { Default, Cancel, Destructive }

    property string text
    property int role: AlertButton.Default

    signal triggered()
}
