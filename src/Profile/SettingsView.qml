import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Profile

// The settings: security, the notification switch (read-only: it mirrors whether the app may show
// notifications, refreshed each time the screen comes on screen; the row opens the notification
// layer's own page) and the about screen.
//   no inputs
DetailPage {
    id: screen

    objectName: "settingsView"
    title: "Настройки"

    // Each time the screen is shown, also on coming back to it.
    onOnScreenChanged: if (onScreen) permission.refresh()
    Component.onCompleted: permission.refresh()

    NotificationPermission {
        id: permission
    }

    StoredPreference {
        id: notificationsEnabled
        key: Defaults.notificationsEnabled
    }

    CardSurface {
        Layout.fillWidth: true

        contentItem: ColumnLayout {
            spacing: 0

            SettingsNavigationRow {
                objectName: "securityRow"
                Layout.fillWidth: true
                icon: "lock.fill"
                tint: Theme.tarPink
                title: "Безопасность"
                subtitle: "Вход и двухфакторная аутентификация"
                onClicked: screen.push(Qt.resolvedUrl("SecuritySettingsView.qml"))
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.leftMargin: 72
                implicitHeight: 0.5
                color: Theme.separator
            }

            SettingsNavigationRow {
                objectName: "notificationsRow"
                Layout.fillWidth: true
                icon: "bell.fill"
                tint: Theme.tarOrange
                title: "Уведомления"
                subtitle: "Получать push-уведомления"
                minimumHeight: 72
                // Drawn by the switch; a screen reader reads it with the subtitle.
                value: toggle.checked ? "Включены" : "Выключены"
                valueLabel.visible: false
                onClicked: screen.push(Qt.resolvedUrl("NotificationLayerView.qml"))

                // A picture of a switch: a tap lands on the row.
                accessory: Rectangle {
                    id: toggle

                    objectName: "notificationsSwitch"
                    readonly property bool checked: notificationsEnabled.value === true

                    implicitWidth: 51
                    implicitHeight: 31
                    radius: height / 2
                    color: checked ? Theme.systemGreen : Theme.withOpacity(Theme.systemGray, 0.35)

                    Rectangle {
                        x: toggle.checked ? parent.width - width - 2 : 2
                        anchors.verticalCenter: parent.verticalCenter
                        width: 27
                        height: 27
                        radius: height / 2
                        color: Theme.white
                    }
                }
            }
        }
    }

    CardSurface {
        Layout.fillWidth: true

        contentItem: SettingsNavigationRow {
            objectName: "aboutRow"
            icon: "info.circle.fill"
            tint: Theme.tarInk
            title: "О приложении"
            subtitle: "Версия, документы и контакты"
            onClicked: screen.push(Qt.resolvedUrl("AboutAppView.qml"))
        }
    }
}
