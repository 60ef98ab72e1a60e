import QtQuick
import Tarvik.Design

// The profile's avatar: the stored picture (strict Base64) cropped to a circle on white, or a
// grey silhouette when there is none or it does not decode; a faint ink shadow under both. Fills
// the frame its parent gives it. The silhouette is decoration, out of what assistive technology reads.
//   avatarJPEG: string (Base64 of the picture); fallbackLetter: string (kept for readers only)
Item {
    id: avatar

    property string avatarJPEG
    property string fallbackLetter

    implicitWidth: 62
    implicitHeight: 62
    Accessible.role: Accessible.Graphic
    Accessible.name: "Аватар профиля"
    Accessible.ignored: !picture.hasImage

    SoftShadow {
        offset: 10
        radius: width / 2
        blur: 18
        color: Theme.withOpacity(Theme.tarInk, 0.04)
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: Theme.white
    }

    AvatarImage {
        objectName: "silhouette"
        anchors.fill: parent
        visible: !picture.hasImage
        silhouetteColor: Qt.rgba(0.86, 0.89, 0.94, 1)
    }

    StyledText {
        anchors.centerIn: parent
        visible: !picture.hasImage
        text: avatar.fallbackLetter
        size: 1
        opacity: 0.01
        Accessible.ignored: true
    }

    AvatarImage {
        id: picture
        objectName: "avatarPicture"
        anchors.fill: parent
        base64: avatar.avatarJPEG
        opacity: hasImage ? 1 : 0
        scale: hasImage ? 1 : 0.98

        Behavior on opacity {
            NumberAnimation { duration: 180; easing.type: Easing.OutCubic }
        }
        Behavior on scale {
            NumberAnimation { duration: 180; easing.type: Easing.OutCubic }
        }
    }
}
