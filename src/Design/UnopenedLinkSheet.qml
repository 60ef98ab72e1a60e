import QtQuick
import Tarvik.Platform
import Tarvik.Design

// What the user gets when a web address handed to UrlOpener.openUrl() finds no program to open
// it: a CopySheet with the address. Other schemes are left to whoever opened them (the support
// screen shows a number nothing dials in its own). The app window hosts one; place it anywhere in
// the window.
//   address: the last such address (the sheet sets it); readonly sheet: the Sheet
Item {
    id: fallback

    property string address
    readonly property alias sheet: sheet

    Connections {
        target: UrlOpener
        function onOpenFinished(url, opened) {
            const address = url.toString()
            const scheme = address.substring(0, address.indexOf(":")).toLowerCase()
            if (opened || (scheme !== "http" && scheme !== "https"))
                return
            fallback.address = address
            sheet.open()
        }
    }

    Sheet {
        id: sheet

        objectName: "unopenedLinkSheet"

        sourceComponent: Component {
            CopySheet {
                title: "Открыть ссылку"
                hint: "На этом устройстве нет программы для открытия ссылок. Откройте адрес на другом устройстве:"
                text: fallback.address // qmllint disable unqualified
                textStyle: Theme.Title3
            }
        }
    }
}
