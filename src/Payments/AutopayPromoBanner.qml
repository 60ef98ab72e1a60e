import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The autopay promotion tile of the payments tab, 128 high: the autopay picture on a blue-grey
// fill, darkened from the left under "Подключить автоплатёж" and its pitch, with a soft blue
// shadow. It draws only: make it the label of a button. No inputs.
Item {
    implicitWidth: 320
    implicitHeight: 128

    BannerBackdrop {
        picture: "AutopayBackground"
        radius: 24
        fill: Qt.rgba(0.48, 0.5, 0.66, 1)
        shadowColor: Qt.rgba(0.38, 0.42, 0.72, 0.16)
        shadowBlur: 18
        shadowOffset: 9
        veilStart: Theme.withOpacity(Theme.black, 0.26)
        veilMiddle: Theme.withOpacity(Theme.black, 0.05)
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.topMargin: 14
        anchors.bottomMargin: 14
        spacing: 6

        Item {
            Layout.fillHeight: true
        }

        StyledText {
            text: "Подключить"
            size: 23
            weight: Font.Black
            rounded: true
            tracking: -0.4
            color: Theme.white
        }

        StyledText {
            text: "автоплатёж"
            size: 23
            weight: Font.Black
            rounded: true
            tracking: -0.4
            color: Theme.white
        }

        StyledText {
            Layout.maximumWidth: 184
            text: "Раз в месяц на сумму абонентской платы"
            size: 12
            weight: Font.Bold
            rounded: true
            color: Theme.white
            opacity: 0.9
            wrapMode: Text.Wrap
            maximumLineCount: 2
        }
    }
}
