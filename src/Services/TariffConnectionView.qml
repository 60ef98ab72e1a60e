import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// The tariff change order for a plan from the chooser: partner TV and mobile packages added
// through their sheets, the engineer's visit (today on), a comment, the running monthly total.
// Sending shows a short sending state and the alert "Заявка принята"; its "Готово" goes back to
// the chooser. Nothing leaves the device. Push it with the plan:
//   page.push(component, { plan: chosenPlan })
//   required plan: TariffPlan; readonly order: the TariffConnectionOrder behind it
DetailPage {
    id: screen

    required property tariffPlan plan
    readonly property alias order: connectionOrder
    property bool tvSheetPresented: false
    property bool mobileSheetPresented: false

    title: "Подключение тарифа"
    // A field being edited comes into view with the main button.
    FocusScroller.mainControl: submitButton

    TariffConnectionOrder {
        id: connectionOrder
        plan: screen.plan
    }

    CardSurface {
        objectName: "planCard"
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 14

            RowLayout {
                Layout.fillWidth: true
                spacing: 14

                Rectangle {
                    Layout.alignment: Qt.AlignTop
                    Layout.preferredWidth: 54
                    Layout.preferredHeight: 54
                    radius: 14
                    color: Theme.withOpacity(Theme.tarPink, 0.12)

                    SymbolImage {
                        anchors.centerIn: parent
                        name: "speedometer"
                        size: Theme.textStyleSize(Theme.Title3)
                        weight: Font.Bold
                        color: Theme.tarPink
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    spacing: 4

                    StyledText {
                        Layout.fillWidth: true
                        text: screen.plan.name
                        textStyle: Theme.Headline
                        wrapMode: Text.Wrap
                    }

                    StyledText {
                        Layout.fillWidth: true
                        text: "до " + screen.plan.speed + " Мбит/с" // qmllint disable type
                        textStyle: Theme.Subheadline
                        color: Theme.secondaryLabel
                    }

                    StyledText {
                        Layout.fillWidth: true
                        text: screen.plan.features
                        textStyle: Theme.Caption
                        color: Theme.secondaryLabel
                        wrapMode: Text.Wrap
                    }
                }
            }

            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 0.5
                color: Theme.separator
            }

            ValueLine {
                objectName: "totalLine"
                title: "Итого"
                value: connectionOrder.monthlyTotal + " ₽/мес." // qmllint disable type
            }
        }
    }

    StyledText {
        Layout.fillWidth: true
        text: "Добавить к тарифу"
        textStyle: Theme.Title2
        weight: Font.Bold
    }

    CardSurface {
        Layout.fillWidth: true

        contentItem: ColumnLayout {
            spacing: 0

            TariffOptionRow {
                objectName: "tvOptionRow"
                Layout.fillWidth: true
                symbol: "play.tv.fill"
                title: "24ТВ"
                subtitle: connectionOrder.tvSubtitle
                tint: Theme.tarOrange
                onClicked: screen.tvSheetPresented = true
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.leftMargin: 68
                implicitHeight: 0.5
                color: Theme.separator
            }

            TariffOptionRow {
                objectName: "mobileOptionRow"
                Layout.fillWidth: true
                symbol: "phone.fill"
                title: "Мобильная связь"
                subtitle: connectionOrder.mobileSubtitle
                tint: Theme.tarPink
                onClicked: screen.mobileSheetPresented = true
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 6

        StyledText {
            Layout.fillWidth: true
            text: "Визит специалиста"
            textStyle: Theme.Title2
            weight: Font.Bold
        }

        StyledText {
            Layout.fillWidth: true
            text: "Выберите удобное время. Специалист подтвердит заявку и при необходимости настроит оборудование."
            textStyle: Theme.Subheadline
            color: Theme.secondaryLabel
            wrapMode: Text.Wrap
        }
    }

    VisitDateTimeCard {
        Layout.fillWidth: true
        date: connectionOrder.visitDate
        time: connectionOrder.visitTime
        earliestDate: connectionOrder.earliestVisitDate
        onDatePicked: date => connectionOrder.visitDate = date
        onTimePicked: time => connectionOrder.visitTime = time
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 10

            StyledText {
                Layout.fillWidth: true
                text: "Комментарий для специалиста"
                textStyle: Theme.Headline
                // The field carries it as its name.
                Accessible.ignored: true
            }

            Rectangle {
                Layout.fillWidth: true
                // Grows line by line with the text (the page then keeps the cursor in view).
                implicitHeight: Math.max(92, commentEditor.contentHeight + commentEditor.topPadding + commentEditor.bottomPadding)
                radius: 14
                color: Theme.tarPaper

                T.TextArea {
                    id: commentEditor

                    objectName: "commentEditor"
                    anchors.fill: parent
                    padding: 10
                    // The editor's own text inset lines the text up with the placeholder.
                    leftPadding: 15
                    topPadding: 18
                    wrapMode: TextEdit.Wrap
                    font: Theme.font(Theme.Body)
                    color: Theme.label
                    selectionColor: Theme.withOpacity(Theme.tarPink, 0.3)
                    selectedTextColor: Theme.label
                    text: connectionOrder.comment
                    Accessible.name: "Комментарий для специалиста"
                    onTextChanged: connectionOrder.comment = text
                }

                StyledText {
                    x: 15
                    y: 18
                    width: parent.width - 30
                    visible: commentEditor.text.length === 0
                    text: "Например: позвонить за 30 минут"
                    textStyle: Theme.Subheadline
                    color: Theme.secondaryLabel
                    Accessible.ignored: true
                }
            }

            StyledText {
                Layout.fillWidth: true
                text: "Необязательно"
                textStyle: Theme.Caption
                color: Theme.secondaryLabel
            }
        }
    }

    PrimaryGlassButton {
        id: submitButton
        objectName: "submitButton"
        buttonStyle: TarvikButton.PrimaryGlass
        enabled: !connectionOrder.request.sending
        title: connectionOrder.request.sending ? "Отправляем…" : "Отправить заявку"
        icon: connectionOrder.request.sending ? "hourglass" : "checkmark"
        onClicked: connectionOrder.submit()
    }

    Sheet {
        objectName: "tvSheet"
        presented: screen.tvSheetPresented
        onClosed: screen.tvSheetPresented = false
        sourceComponent: Component {
            TVPackageSelectionSheet {
                order: connectionOrder // qmllint disable unqualified
            }
        }
    }

    Sheet {
        objectName: "mobileSheet"
        presented: screen.mobileSheetPresented
        onClosed: screen.mobileSheetPresented = false
        sourceComponent: Component {
            MobilePackageSelectionSheet {
                order: connectionOrder // qmllint disable unqualified
            }
        }
    }

    Alert {
        id: acceptedAlert

        property bool goesBack: false

        objectName: "acceptedAlert"
        presented: screen.onScreen && connectionOrder.request.confirmed
        title: "Заявка принята"
        buttons: [
            AlertButton {
                text: "Готово"
                onTriggered: acceptedAlert.goesBack = true
            }
        ]
        // The text stays as it was while the alert fades out.
        onAboutToShow: message = connectionOrder.confirmationMessage
        onClosed: {
            connectionOrder.request.confirmed = false
            // A screen already going is not popped again.
            if (goesBack && screen.onScreen)
                screen.pop()
        }
    }

    RequestErrorAlert {
        request: connectionOrder.request
        allowed: screen.onScreen
    }
}
