import QtQuick
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Shell

// The round avatar of the home greeting: the stored avatar picture filling the circle, or the
// fallback letter on a translucent white disc; a thin white outline over both. Fills the frame
// its parent gives it.
//   required fallbackLetter: string
Item {
    id: avatar

    required property string fallbackLetter

    implicitWidth: 40
    implicitHeight: 40

    StoredPreference {
        id: avatarJpeg
        key: Defaults.profileAvatarJpeg
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Theme.withOpacity(Theme.white, 0.16)
    }

    AvatarImage {
        id: picture
        objectName: "avatarImage"
        anchors.fill: parent
        base64: avatarJpeg.value
    }

    StyledText {
        objectName: "avatarLetter"
        anchors.centerIn: parent
        visible: !picture.hasImage
        text: avatar.fallbackLetter
        size: 17
        weight: Font.Black
        rounded: true
        color: Theme.white
        Accessible.ignored: true
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "transparent"
        border.width: 1
        border.color: Theme.withOpacity(Theme.white, 0.28)
    }
}
