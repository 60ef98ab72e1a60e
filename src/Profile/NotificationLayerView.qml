import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Profile

// The app's page of its notification layer, where the settings' notification row leads (the
// desktop has no per-app notification settings to open): whether notifications can be shown, a
// way to ask the desktop's notification service again, and the notifications waiting to be shown.
//   no inputs
DetailPage {
    id: screen

    objectName: "notificationLayerView"
    title: "Уведомления"
    Component.onCompleted: permission.refresh()

    NotificationPermission {
        id: permission
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            RowLayout {
                Layout.fillWidth: true
                spacing: 14

                SettingsIcon {
                    systemName: "bell.fill"
                    tint: Theme.tarOrange
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 3

                    StyledText {
                        Layout.fillWidth: true
                        text: "Уведомления Tarvik"
                        weight: Font.DemiBold
                        wrapMode: Text.Wrap
                    }
                    StyledText {
                        objectName: "statusText"
                        Layout.fillWidth: true
                        text: permission.statusText
                        textStyle: Theme.Caption
                        color: Theme.secondaryLabel
                    }
                }
            }

            StyledText {
                Layout.fillWidth: true
                text: "Уведомления показывает служба уведомлений рабочего стола. Если она недоступна, включите её в настройках системы и проверьте снова."
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }

            PrimaryGlassButton {
                objectName: "checkAgainButton"
                Layout.fillWidth: true
                title: "Проверить снова"
                icon: "arrow.triangle.2.circlepath"
                enabled: !permission.requesting
                onClicked: permission.requestAgain()
            }
        }
    }

    StyledText {
        Layout.fillWidth: true
        visible: permission.pending.length > 0
        text: "Запланированы"
        textStyle: Theme.Headline
    }

    // The few notifications the app keeps waiting (the test message, the cart reminders).
    Repeater {
        model: permission.pending

        CardSurface {
            id: pendingCard

            required property var modelData

            Layout.fillWidth: true
            padding: 14

            contentItem: ColumnLayout {
                spacing: 3

                StyledText {
                    Layout.fillWidth: true
                    text: pendingCard.modelData.title
                    weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: pendingCard.modelData.body
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                }
                StyledText {
                    Layout.fillWidth: true
                    text: pendingCard.modelData.time
                    textStyle: Theme.Caption
                    color: Theme.tertiaryLabel
                }
            }
        }
    }
}
