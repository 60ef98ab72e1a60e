import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Account
import Tarvik.Payments

// The trust payment: the offer and its conditions, a check that the account session is alive,
// and, once confirmed, the activation at the personal-account site with the site's answer. Present
// it as a Sheet's content: Sheet { … sourceComponent: Component { TrustPaymentView {} } }
NavigationStack {
    id: view

    property bool showConfirmation: false
    readonly property alias controller: trustController

    readonly property var conditions: [
        { icon: "calendar", title: "Срок", value: "5 календарных дней" },
        { icon: "rublesign.circle", title: "Сумма", value: "Рассчитает биллинг" },
        { icon: "repeat", title: "Лимит", value: "Не более 2 раз в месяц" }
    ]

    TrustPaymentController {
        id: trustController
        accountStore: AccountStore
    }

    Component.onCompleted: trustController.loadStatus()

    // The result takes the place of the button that asked for it, and the focus with it, so that
    // it is read out (once: the button that went may have handed it on already). While the
    // confirmation is still closing, it waits for it: the closing alert gives the focus back first.
    function tellResult() {
        if (trustController.hasResult && !confirmationAlert.visible && !resultCard.activeFocus)
            ScreenReader.announce(resultCard)
    }

    Connections {
        target: trustController

        function onResultMessageChanged() {
            // Once the card shows it.
            Qt.callLater(view.tellResult) // qmllint disable type
        }
    }

    initialItem: DetailPage {
        title: "Доверительный платёж"
        leadingItems: [
            CloseBarButton {}
        ]

        TrustPaymentHero {
            Layout.fillWidth: true
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: conditionsColumn.implicitHeight
            radius: 18
            color: Theme.white

            ColumnLayout {
                id: conditionsColumn

                width: parent.width
                spacing: 0

                Repeater {
                    model: view.conditions

                    ColumnLayout {
                        id: condition

                        required property var modelData
                        required property int index

                        Layout.fillWidth: true
                        spacing: 0

                        Rectangle {
                            visible: condition.index > 0
                            Layout.fillWidth: true
                            Layout.leftMargin: 58
                            implicitHeight: 0.5
                            color: Theme.separator
                        }

                        TrustConditionRow {
                            Layout.fillWidth: true
                            Layout.leftMargin: 16
                            Layout.rightMargin: 16
                            Layout.minimumHeight: 66
                            icon: condition.modelData.icon
                            title: condition.modelData.title
                            value: condition.modelData.value
                        }
                    }
                }
            }
        }

        RowLayout {
            objectName: "statusLoadingRow"
            visible: trustController.isLoading
            Layout.fillWidth: true
            Layout.minimumHeight: 52
            spacing: 10

            Item {
                Layout.fillWidth: true
            }

            ActivityIndicator {
                color: Theme.tarPink
                running: trustController.isLoading
            }

            StyledText {
                text: "Проверяем доступность…"
                color: Theme.secondaryLabel
            }

            Item {
                Layout.fillWidth: true
            }
        }

        RowLayout {
            objectName: "statusLine"
            readonly property color tint: trustController.status.isAvailable ? Theme.tarInk : Theme.systemRed

            visible: !trustController.isLoading && trustController.hasStatus
            Layout.fillWidth: true
            spacing: 6

            SymbolImage {
                Layout.alignment: Qt.AlignTop
                name: trustController.status.isAvailable ? "checkmark.circle.fill" : "exclamationmark.circle.fill"
                size: Theme.textStyleSize(Theme.Footnote)
                color: parent.tint
            }

            StyledText {
                objectName: "statusMessage"
                Layout.fillWidth: true
                text: trustController.status.message
                textStyle: Theme.Footnote
                color: parent.tint
                wrapMode: Text.Wrap
            }
        }

        Rectangle {
            id: resultCard

            objectName: "resultCard"
            visible: trustController.hasResult
            Layout.fillWidth: true
            implicitHeight: resultColumn.implicitHeight + 36
            radius: 18
            color: Theme.white
            // Read as one text.
            Accessible.role: Accessible.StaticText
            Accessible.name: "Готово. " + trustController.resultMessage

            ColumnLayout {
                id: resultColumn

                x: 18
                y: 18
                width: parent.width - 36
                spacing: 8

                RowLayout {
                    spacing: 6

                    SymbolImage {
                        name: "checkmark.circle.fill"
                        size: Theme.textStyleSize(Theme.Headline)
                        color: Theme.systemGreen
                    }

                    StyledText {
                        text: "Готово"
                        textStyle: Theme.Headline
                        color: Theme.systemGreen
                        Accessible.ignored: true
                    }
                }

                StyledText {
                    objectName: "resultMessage"
                    Layout.fillWidth: true
                    text: trustController.resultMessage
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                    wrapMode: Text.Wrap
                    Accessible.ignored: true
                }
            }
        }

        TarvikButton {
            id: activateButton

            objectName: "activateButton"
            visible: !trustController.hasResult
            Layout.fillWidth: true
            Layout.minimumHeight: 54
            buttonStyle: TarvikButton.PrimaryGlass
            enabled: trustController.canActivate
            opacity: enabled ? 1 : 0.48
            horizontalPadding: 12
            text: trustController.isSubmitting ? "Подключаем…" : "Подключить доверительный платёж"
            onClicked: view.showConfirmation = true

            contentItem: StyledText {
                text: activateButton.text
                textStyle: Theme.Subheadline
                weight: Font.DemiBold
                color: Theme.white
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.Wrap
            }
        }
    }

    Alert {
        id: confirmationAlert

        objectName: "confirmationAlert"
        presented: view.showConfirmation
        onClosed: {
            view.showConfirmation = false
            Qt.callLater(view.tellResult) // qmllint disable type
        }
        title: "Подключить доверительный платёж?"
        message: "Биллинг рассчитает сумму автоматически. Погасить её нужно в течение 5 календарных дней."
        buttons: [
            AlertButton {
                text: "Отмена"
                role: AlertButton.Cancel
            },
            AlertButton {
                text: "Подключить"
                onTriggered: trustController.activate()
            }
        ]
    }

    Alert {
        objectName: "trustErrorAlert"
        presented: trustController.hasError
        title: "Не удалось оформить"
        // The text stays as it was while the alert fades out.
        onAboutToShow: message = trustController.errorMessage.length > 0 ? trustController.errorMessage : "Попробуйте позже"
        buttons: [
            AlertButton {
                text: "Повторить"
                onTriggered: {
                    trustController.clearError()
                    trustController.loadStatus()
                }
            },
            AlertButton {
                text: "Закрыть"
                role: AlertButton.Cancel
                onTriggered: trustController.clearError()
            }
        ]
    }
}
