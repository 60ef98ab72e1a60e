pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Services

// The mobile service: four offers, moving an existing number (free) or a new one, the summary
// and the request. Sending shows a short sending state and the confirmation sheet, and keeps
// everything entered. Nothing leaves the device.
//   readonly order: the MobileServiceOrder behind it
DetailPage {
    id: screen

    readonly property alias order: serviceOrder
    readonly property var chosen: serviceOrder.selectedPackage

    title: "Мобильная связь"
    // The number being typed comes into view with "Подключить".
    FocusScroller.mainControl: submitButton

    MobileServiceOrder {
        id: serviceOrder
    }

    MobileServiceHero {
        objectName: "hero"
        Layout.fillWidth: true
        offer: screen.chosen
        backdrop: screen.color
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        MobileServiceFeature {
            objectName: "internetFeature"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            icon: "antenna.radiowaves.left.and.right"
            title: "Интернет"
            value: screen.chosen.gigabytes
            tint: Theme.systemBlue
        }

        MobileServiceFeature {
            objectName: "callsFeature"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            icon: "phone.fill"
            title: "Звонки"
            value: screen.chosen.minutes
            tint: Theme.tarPink
        }

        MobileServiceFeature {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            icon: "arrow.triangle.2.circlepath"
            title: "Перенос"
            value: "0 ₽"
            tint: Theme.systemGreen
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 12

        StyledText {
            text: "Выберите пакет"
            size: 22
            weight: Font.Black
            rounded: true
            color: Theme.tarInk
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 10

            Repeater {
                model: serviceOrder.packages

                delegate: MobilePackageCard {
                    required property var modelData

                    objectName: "packageCard_" + modelData.id
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1
                    offer: modelData
                    selected: serviceOrder.selectedPackageId === modelData.id
                    onClicked: serviceOrder.selectedPackageId = modelData.id
                }
            }
        }
    }

    CardSurface {
        objectName: "transferCard"
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 14

            ToggleSwitch {
                objectName: "transferSwitch"
                Layout.fillWidth: true
                text: "Перенести свой номер"
                checked: serviceOrder.transferNumber
                onToggled: serviceOrder.transferNumber = checked

                contentItem: ColumnLayout {
                    spacing: 3

                    StyledText {
                        Layout.fillWidth: true
                        text: "Перенести свой номер"
                        size: 18
                        weight: Font.Black
                        rounded: true
                        color: Theme.tarInk
                        Accessible.ignored: true
                    }

                    // The switch's description.
                    StyledText {
                        text: "Бесплатно"
                        textStyle: Theme.Caption
                        weight: Font.Bold
                        color: Theme.systemGreen
                    }
                }
            }

            Rectangle {
                visible: serviceOrder.transferNumber
                Layout.fillWidth: true
                implicitHeight: 0.5
                color: Theme.separator
            }

            Rectangle {
                visible: serviceOrder.transferNumber
                Layout.fillWidth: true
                implicitHeight: Math.max(52, numberField.implicitHeight)
                radius: 14
                color: Theme.tarPaper

                StyledText {
                    id: prefix

                    anchors.left: parent.left
                    anchors.leftMargin: 14
                    anchors.verticalCenter: parent.verticalCenter
                    text: "+7"
                    textStyle: Theme.Body
                    weight: Font.Bold
                    color: Theme.tarInk
                }

                TarvikTextField {
                    id: numberField

                    objectName: "numberField"
                    anchors.left: prefix.right
                    anchors.leftMargin: 10
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    leftPadding: 0
                    rightPadding: 14
                    outlined: false
                    fillColor: "transparent"
                    placeholderText: "999 123-45-67"
                    inputMethodHints: Qt.ImhDialableCharactersOnly
                    Accessible.name: "Номер для переноса"
                    onTextChanged: serviceOrder.phoneNumber = text

                    PhoneFieldRule {
                        field: numberField
                        display: PhoneEntry.National
                    }
                }
            }

            RowLayout {
                objectName: "numberError"
                visible: serviceOrder.showsNumberError
                spacing: 5

                SymbolImage {
                    name: "exclamationmark.circle.fill"
                    size: Theme.textStyleSize(Theme.Caption)
                    color: Theme.systemRed
                }

                StyledText {
                    text: "Введите 10 цифр после +7"
                    textStyle: Theme.Caption
                    color: Theme.systemRed
                }
            }

            StyledText {
                Layout.fillWidth: true
                visible: serviceOrder.transferNumber
                text: "После заявки специалист подтвердит данные владельца номера и согласует дату переноса."
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }

            StyledText {
                Layout.fillWidth: true
                visible: !serviceOrder.transferNumber
                text: "Для подключения будет выдан новый номер Tarvik."
                textStyle: Theme.Subheadline
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
        }
    }

    CardSurface {
        objectName: "summaryCard"
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            RowLayout {
                Layout.fillWidth: true
                spacing: 8

                ColumnLayout {
                    spacing: 4

                    StyledText {
                        text: "К подключению"
                        textStyle: Theme.Caption
                        weight: Font.Bold
                        color: Theme.secondaryLabel
                    }

                    StyledText {
                        id: chosenTitle

                        objectName: "summaryTitle"
                        text: screen.chosen.title
                        size: 20
                        weight: Font.Black
                        rounded: true
                        color: Theme.tarInk
                    }
                }

                Item {
                    Layout.fillWidth: true
                }

                StyledText {
                    objectName: "summaryPrice"
                    Layout.alignment: Qt.AlignBottom
                    text: screen.chosen.price + " ₽/мес"
                    size: 24
                    weight: Font.Black
                    rounded: true
                    color: Theme.tarPink
                }
            }

            StyledText {
                objectName: "summaryLine"
                Layout.fillWidth: true
                text: [screen.chosen.gigabytes, screen.chosen.minutes]
                      .concat(serviceOrder.transferNumber ? [serviceOrder.numberText] : []).join("   ")
                textStyle: Theme.Caption
                weight: Font.Bold
                color: Theme.withOpacity(Theme.tarInk, 0.66)
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Math.floor(font.pixelSize * 0.72)
                elide: Text.ElideRight
            }
        }
    }

    PrimaryGlassButton {
        id: submitButton
        objectName: "submitButton"
        buttonStyle: TarvikButton.PrimaryGlass
        enabled: !serviceOrder.request.sending && !serviceOrder.numberInvalid
        opacity: serviceOrder.numberInvalid ? 0.45 : 1
        title: serviceOrder.request.sending ? "Отправляем…" : "Подключить"
        icon: serviceOrder.request.sending ? "hourglass" : "checkmark"
        onClicked: serviceOrder.submit()
    }

    RequestConfirmationSheet {
        request: serviceOrder.request
        allowed: screen.onScreen
        title: "Заявка принята"
        message: serviceOrder.confirmationMessage
    }

    RequestErrorAlert {
        request: serviceOrder.request
        allowed: screen.onScreen
    }
}
