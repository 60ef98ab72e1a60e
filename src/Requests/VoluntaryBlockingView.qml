import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Requests

// Suspends the services for a period of absence: a start and an end day, under 15 days for
// 250 ₽, longer for free; a confirmation-only form.
//   startDate (a day ahead), endDate (15 days ahead): the period, given or defaulted
//   readonly days, price: int; readonly request: its ConfirmationSend
RequestFormScreen {
    id: form

    readonly property date builtAt: new Date()
    property date startDate: new Date(builtAt.getTime() + 86400 * 1000)
    property date endDate: new Date(builtAt.getTime() + 1296000 * 1000)
    readonly property int days: RequestRules.blockingDays(startDate, endDate)
    readonly property int price: RequestRules.blockingPrice(days)

    objectName: "voluntaryBlockingView"
    title: "Добровольная блокировка"
    heroAsset: "VoluntaryBlockHero"
    heroHeight: 230
    cardMinimumHeight: 390
    cardOffset: 34
    // Without a navigation bar this screen would be a dead end on a desktop.
    showsBackButton: canGoBack
    confirmationTitle: "Подтверждение блокировки"
    confirmationMessage: RequestRules.blockingConfirmation(days)

    RequestFormTitle {
        Layout.fillWidth: true
        title: "Добровольная\nблокировка"
        description: "Приостановите услуги на время отсутствия. В выбранный период абонентская плата не списывается."
    }

    Item {
        implicitHeight: 18
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: dates.implicitHeight + 26
        radius: 20
        color: Theme.withOpacity(Theme.tarPaper, 0.78)

        ColumnLayout {
            id: dates

            anchors.fill: parent
            // Each picker pads itself 16 at the sides.
            anchors.topMargin: 13
            anchors.bottomMargin: 13
            spacing: 0

            TarvikDatePicker {
                objectName: "startPicker"
                Layout.fillWidth: true
                label: "Начало"
                color: "transparent"
                date: form.startDate
                minimumDate: form.builtAt
                onPicked: date => form.startDate = date
            }
            Rectangle {
                Layout.fillWidth: true
                Layout.topMargin: 8
                Layout.bottomMargin: 8
                implicitHeight: 0.5
                color: Theme.separator
            }
            TarvikDatePicker {
                objectName: "endPicker"
                Layout.fillWidth: true
                label: "Окончание"
                color: "transparent"
                date: form.endDate
                minimumDate: new Date(form.startDate.getTime() + 172800 * 1000)
                onPicked: date => form.endDate = date
            }
        }
    }

    Item {
        implicitHeight: 18
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 8

        RowLayout {
            Layout.alignment: Qt.AlignBottom
            spacing: 6

            StyledText {
                objectName: "priceText"
                Layout.alignment: Qt.AlignBaseline
                text: form.price + " ₽"
                size: 34
                weight: Font.Black
                rounded: true
                tracking: -0.75
                color: Theme.tarInk
            }
            StyledText {
                Layout.alignment: Qt.AlignBaseline
                text: "к оплате"
                size: 15
                weight: Font.Bold
                rounded: true
                color: Theme.withOpacity(Theme.tarInk, 0.52)
            }
        }

        // Pushed to the trailing edge; on a narrow card its lines shrink rather than run off it.
        Rectangle {
            Layout.alignment: Qt.AlignRight | Qt.AlignBottom
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            implicitWidth: tag.implicitWidth + 22
            implicitHeight: tag.implicitHeight + 16
            radius: 14
            color: Theme.withOpacity(Theme.tarPink, 0.1)

            ColumnLayout {
                id: tag

                anchors.fill: parent
                anchors.leftMargin: 11
                anchors.rightMargin: 11
                anchors.topMargin: 8
                anchors.bottomMargin: 8
                spacing: 0

                StyledText {
                    Layout.fillWidth: true
                    text: "до 14 дней — 250 ₽"
                    textStyle: Theme.Caption2
                    weight: Font.Black
                    color: Theme.tarPink
                    horizontalAlignment: Text.AlignRight
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 8
                }
                StyledText {
                    Layout.fillWidth: true
                    text: "больше 14 дней — бесплатно"
                    textStyle: Theme.Caption2
                    weight: Font.Black
                    color: Theme.tarPink
                    horizontalAlignment: Text.AlignRight
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 8
                }
            }
        }
    }

    RequestSendButton {
        Layout.fillWidth: true
        Layout.topMargin: 14
        caption: "ЗАБЛОКИРОВАТЬ"
        sending: form.request.sending
        onClicked: form.request.send()
    }
}
