import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design

// What the user gets when a web address handed to UrlOpener.openUrl() finds no program to open
// it: a sheet with the address and "Скопировать", as a telephone link that nothing takes shows
// its number. Other schemes are left to whoever opened them. The app window hosts one; place it
// anywhere in the window.
//   readonly address: the last such address; readonly sheet: the Sheet
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

        // Reads outer ids: a sheet's Loader (Qt 6.4) cannot load the bound component qmllint wants.
        sourceComponent: Component {
            NavigationStack {
                initialItem: NavigationPage {
                    title: "Открыть ссылку"
                    color: Theme.tarPaper
                    leadingItems: [
                        BarButton {
                            text: "Закрыть"
                            onClicked: Presentation.dismiss()
                        }
                    ]

                    ColumnLayout {
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.margins: 20
                        spacing: 14

                        StyledText {
                            Layout.fillWidth: true
                            text: "На этом устройстве нет программы для открытия ссылок. Откройте адрес на другом устройстве:"
                            textStyle: Theme.Subheadline
                            color: Theme.secondaryLabel
                            wrapMode: Text.Wrap
                        }

                        StyledText {
                            objectName: "linkAddress"
                            Layout.fillWidth: true
                            text: fallback.address // qmllint disable unqualified
                            textStyle: Theme.Title3
                            weight: Font.Bold
                            color: Theme.tarInk
                            wrapMode: Text.WrapAnywhere
                        }

                        PrimaryGlassButton {
                            objectName: "linkCopyButton"
                            Layout.fillWidth: true
                            buttonStyle: TarvikButton.PrimaryGlass
                            title: "Скопировать"
                            icon: "doc.on.doc"
                            onClicked: {
                                Pasteboard.copy(fallback.address) // qmllint disable unqualified
                                Presentation.dismiss()
                            }
                        }
                    }
                }
            }
        }
    }
}
