import QtQuick
import QtQuick.Layouts
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Account

// The bonus balance from the account and an invitation to refer a friend, which only shows the
// confirmation sheet. No screen opens it yet.
//   no inputs; invitePresented: bool, the invitation sheet is up
DetailPage {
    id: screen

    property bool invitePresented: false

    objectName: "bonusesView"
    title: "Бонусы"

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 12

            SymbolImage {
                name: "gift.fill"
                size: Theme.textStyleSize(Theme.LargeTitle)
                color: Theme.tarPink
            }
            StyledText {
                objectName: "bonusBalanceText"
                Layout.fillWidth: true
                text: RussianPlural.countFromText(AccountStore.account.bonusBalance, "бонус", "бонуса", "бонусов")
                size: 34
                weight: Font.Bold
                rounded: true
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
            }
            StyledText {
                Layout.fillWidth: true
                text: "Используйте бонусы для оплаты дополнительных услуг."
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
        }
    }

    CardSurface {
        Layout.fillWidth: true
        padding: 18

        contentItem: ColumnLayout {
            spacing: 10

            StyledText {
                Layout.fillWidth: true
                text: "Приведи друга"
                textStyle: Theme.Title3
                weight: Font.Bold
                wrapMode: Text.Wrap
            }
            StyledText {
                Layout.fillWidth: true
                text: "Получите скидку 100% для себя и 50% для друга на 30 дней."
                color: Theme.secondaryLabel
                wrapMode: Text.Wrap
            }
            PrimaryGlassButton {
                objectName: "inviteButton"
                Layout.fillWidth: true
                title: "Пригласить"
                icon: "person.badge.plus"
                onClicked: screen.invitePresented = true
            }
        }
    }

    Sheet {
        objectName: "inviteSheet"
        presented: screen.invitePresented
        onClosed: screen.invitePresented = false
        sourceComponent: Component {
            DemoActionSheet {
                title: "Пригласить друга"
                message: "Форма приглашения будет отправлена в программу лояльности Tarvik."
            }
        }
    }
}
