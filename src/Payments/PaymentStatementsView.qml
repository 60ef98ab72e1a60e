pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tarvik.Design
import Tarvik.Payments

// The statements list: a short intro and one row per kind of statement, each opening its form.
// Push it onto the presenter's NavigationStack. No inputs.
DetailPage {
    id: screen

    title: "Заявления"

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            StyledText {
                Layout.fillWidth: true
                text: "Заявления"
                size: 24
                weight: Font.Black
                rounded: true
                color: Theme.tarInk
                wrapMode: Text.Wrap
                // The screen's heading says it.
                Accessible.ignored: true
            }

            StyledText {
                Layout.fillWidth: true
                text: "Выберите тип обращения — мы передадим заявку специалисту Tarvik."
                textStyle: Theme.Subheadline
                weight: Font.Medium
                color: Theme.withOpacity(Theme.tarInk, 0.56)
                wrapMode: Text.Wrap
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 10

        Repeater {
            model: PaymentTexts.statementKinds()

            PaymentListActionRow {
                id: kindRow

                required property var modelData

                objectName: "statementKind" + modelData.kind
                Layout.fillWidth: true
                title: kindRow.modelData.title
                subtitle: kindRow.modelData.subtitle
                onClicked: screen.push(requestForm, { kind: kindRow.modelData.kind })
            }
        }
    }

    Component {
        id: requestForm

        PaymentStatementRequestView {}
    }
}
