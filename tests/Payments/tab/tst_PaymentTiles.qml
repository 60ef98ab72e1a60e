import QtQuick
import QtQuick.Layouts
import QtTest
import Tarvik.Design
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The payment building blocks no screen places yet: the method badge's loading state, the
// section tile's size, and the services block whose top-up always starts from an empty amount.
Item {
    id: root
    width: 393
    height: 852

    Rectangle {
        anchors.fill: parent
        color: Theme.white
    }

    ColumnLayout {
        id: column

        x: 16
        y: 16
        width: parent.width - 32
        spacing: 18

        PaymentServicesView {
            id: services
            Layout.fillWidth: true
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            PaymentSectionButton {
                id: shortTile
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                title: "Чеки"
                subtitle: "За месяц"
                tint: Theme.tarPink
            }

            PaymentSectionButton {
                id: longTile
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                title: "Очень длинное название раздела платежей и переводов"
                subtitle: "Подзаголовок, который тоже длиннее двух строк в узкой плитке"
                tint: Theme.tarOrange
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            PaymentMethodBadge {
                id: sbpBadge
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                title: "СБП"
                icon: "qrcode"
                tint: Theme.tarPink
            }

            PaymentMethodBadge {
                id: cardBadge
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                title: "Банковская карта"
                icon: "creditcard.fill"
                tint: Theme.tarOrange
                isLoading: true
            }
        }
    }

    SignalSpy {
        id: sbpClicks
        target: sbpBadge
        signalName: "clicked"
    }

    SignalSpy {
        id: cardClicks
        target: cardBadge
        signalName: "clicked"
    }

    TestCase {
        name: "PaymentTiles"
        when: windowShown

        function init() {
            verify(Account.reset())
            sbpClicks.clear()
            cardClicks.clear()
        }

        function test_badgeIgnoresTapsWhileLoading() {
            Finder.shoot(this, root, "paymentstab-tiles", Account)
            verify(Finder.find(cardBadge, "badgeSpinner").visible)
            verify(!Finder.find(cardBadge, "badgeIcon").visible)
            mouseClick(cardBadge)
            compare(cardClicks.count, 0)

            cardBadge.isLoading = false
            verify(!Finder.find(cardBadge, "badgeSpinner").visible)
            verify(Finder.find(cardBadge, "badgeIcon").visible)
            mouseClick(cardBadge)
            compare(cardClicks.count, 1)

            mouseClick(sbpBadge)
            compare(sbpClicks.count, 1)
            verify(sbpBadge.height >= 78 + 26)
            cardBadge.isLoading = true
        }

        function test_sectionTileKeepsItsShape() {
            compare(shortTile.height, 108)
            verify(longTile.height >= 108)
            const shortBar = Finder.find(shortTile, "sectionBar")
            compare(shortBar.mapToItem(shortTile, 0, 0).y + shortBar.height, shortTile.height - 14)
            const title = Finder.find(longTile, "sectionTitle")
            verify(title.lineCount <= 2)
            verify(title.truncated || title.height <= 2 * title.font.pixelSize * 1.5)
        }

        // Each opening starts a new flow from an empty amount.
        function test_topUpStartsEmptyEachTime() {
            for (let round = 0; round < 2; ++round) {
                mouseClick(Finder.find(services, "topUpRow"))
                verify(services.showTopUp)
                const sheet = Finder.find(services, "topUpSheet")
                tryCompare(sheet, "opened", true)
                const flow = sheet.item.item
                verify(flow)
                compare(flow.amount, "")
                flow.amount = "500"
                sheet.close()
                tryCompare(services, "showTopUp", false)
                tryCompare(sheet, "visible", false)
            }
        }
    }
}
