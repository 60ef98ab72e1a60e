import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Profile

// About the app: the name, the version and build of this build, and the privacy policy and the
// product site, which open in the browser.
//   no inputs
DetailPage {
    id: screen

    objectName: "aboutAppView"
    title: "О приложении"

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 14

            PixelHeart {
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 58
                Layout.preferredHeight: 58
                color: Theme.tarPink
                Accessible.ignored: true
            }
            StyledText {
                Layout.alignment: Qt.AlignHCenter
                text: "Tarvik"
                textStyle: Theme.Title2
                weight: Font.Bold
                color: Theme.tarInk
            }
            StyledText {
                Layout.alignment: Qt.AlignHCenter
                text: "Личный кабинет абонента"
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
            }
            StyledText {
                objectName: "versionLine"
                Layout.alignment: Qt.AlignHCenter
                text: AboutInfo.versionLine
                textStyle: Theme.Caption
                weight: Font.DemiBold
                color: Theme.secondaryLabel
            }
        }
    }

    CardSurface {
        Layout.fillWidth: true

        contentItem: ColumnLayout {
            spacing: 0

            SettingsNavigationRow {
                objectName: "policyRow"
                Layout.fillWidth: true
                icon: "hand.raised.fill"
                tint: Theme.tarPink
                title: "Политика конфиденциальности"
                subtitle: "Как Tarvik работает с данными"
                onClicked: UrlOpener.openUrl(AboutInfo.policyUrl)
            }
            Rectangle {
                Layout.fillWidth: true
                Layout.leftMargin: 72
                implicitHeight: 0.5
                color: Theme.separator
            }
            SettingsNavigationRow {
                objectName: "siteRow"
                Layout.fillWidth: true
                icon: "safari.fill"
                tint: Theme.tarOrange
                title: "Сайт Tarvik"
                subtitle: AboutInfo.siteDomain
                onClicked: UrlOpener.openUrl(AboutInfo.siteUrl)
            }
        }
    }

    StyledText {
        Layout.fillWidth: true
        Layout.topMargin: 8
        text: "© 2026 Tarvik. Все права защищены."
        textStyle: Theme.Caption
        color: Theme.secondaryLabel
        horizontalAlignment: Text.AlignHCenter
    }
}
