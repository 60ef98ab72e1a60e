import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import Tarvik.Shell
import TarvikTest

// The home services list and the generic service card over the real store and the stand-in.
Item {
    id: root
    width: 393
    height: 852

    readonly property var services: [
        { serviceId: ServiceRouter.partnerTv, title: "24ТВ", subtitle: "Архив и онлайн-кинотеатр", icon: "play.tv.fill" },
        { serviceId: "cableTv", title: "Кабельное телевидение", subtitle: "130 цифровых каналов", icon: "tv.fill" },
        { serviceId: "staticIp", title: "Статический IP", subtitle: "Постоянный адрес в интернете", icon: "network" },
        { serviceId: "antivirus", title: "Антивирус", subtitle: "Защита всех устройств", icon: "checkmark.shield.fill" }
    ]

    Component {
        id: stackComponent

        NavigationStack {
            width: root.width
            height: root.height
            initialItem: NavigationPage { title: "Главная" }
        }
    }

    TestCase {
        name: "HomeServices"
        when: windowShown

        property var stack

        function init() {
            Standin.reset()
            stack = createTemporaryObject(stackComponent, root)
            verify(stack)
        }

        function part(name) {
            const found = findChild(root.parent, name)
            verify(found, name)
            return found
        }

        function openList() {
            stack.push(Destinations.allHomeServices, { services: root.services })
            tryCompare(stack, "busy", false)
            return stack.currentItem
        }

        function openCard(title) {
            const service = root.services.find(s => s.title === title)
            stack.push(Destinations.homeServiceDetail, service)
            tryCompare(stack, "busy", false)
            return stack.currentItem
        }

        // The account as the site reports it now, loaded.
        function reload() {
            let done = false
            const finished = () => done = true
            AccountStore.refreshFinished.connect(finished)
            AccountStore.refresh()
            tryVerify(() => done, 10000)
            AccountStore.refreshFinished.disconnect(finished)
        }

        function test_rows_data() {
            return [
                { tag: "24ТВ", row: 0, title: "24ТВ", card: false },
                { tag: "cable", row: 1, title: "Кабельное телевидение", card: true },
                { tag: "static IP", row: 2, title: "Статический IP", card: true },
                { tag: "antivirus", row: 3, title: "Антивирус", card: true },
            ]
        }

        // The partner TV row opens its own screen, never the generic card; the others open the
        // card with their own texts.
        function test_rows(data) {
            const list = openList()
            compare(list.title, "Ваши услуги")
            mouseClick(part("serviceRow" + data.row))
            tryCompare(stack, "depth", 3)
            tryCompare(stack, "busy", false)
            const opened = stack.currentItem
            compare(opened.title, data.title)
            compare(opened.hasOwnProperty("actionPresented"), data.card)
            if (data.card) {
                compare(opened.serviceId, root.services[data.row].serviceId)
                compare(opened.subtitle, root.services[data.row].subtitle)
                compare(opened.icon, root.services[data.row].icon)
            }
        }

        function test_lastRowHasNoDivider() {
            const list = openList()
            const dividers = []
            for (let i = 0; i < 4; ++i)
                dividers.push(findChild(part("serviceRow" + i).parent, "serviceDivider").visible)
            compare(dividers, [true, true, true, false])
        }

        // Any ordinary service confirms with the same sheet, and closing it reloads nothing.
        function test_ordinaryServiceConfirms() {
            const card = openCard("Антивирус")
            compare([part("statusLine").value, part("priceLine").value], ["Подключено", "Включено"])
            compare([part("serviceActionButton").title, part("serviceActionButton").icon], ["Управлять услугой", "slider.horizontal.3"])
            mouseClick(part("serviceActionButton"))
            const sheet = part("serviceActionSheet")
            tryVerify(() => sheet.opened && sheet.item)
            compare([sheet.item.title, sheet.item.message],
                    ["Управление услугой", "Здесь появятся настройки подключения и отключения услуги."])
            sheet.close()
            tryCompare(card, "actionPresented", false)
            wait(100)
            compare(Standin.requestCount("action1"), 0)
        }

        // The partner TV card without an account offers to create one; after its sheet closes the
        // account is reloaded, and the card turns as soon as the site reports the account.
        function test_partnerTvSheetReloadsTheAccount() {
            Standin.setTvAccount(false)
            reload()
            verify(!AccountStore.account.televisionConnected)
            const card = openCard("24ТВ")
            compare([part("statusLine").value, part("priceLine").value], ["Аккаунт не создан", "199 ₽/мес."])
            compare([part("serviceActionButton").title, part("serviceActionButton").icon], ["Создать аккаунт", "person.badge.plus"])

            mouseClick(part("serviceActionButton"))
            const sheet = part("serviceActionSheet")
            tryVerify(() => sheet.opened && sheet.item)
            compare(sheet.item.currentItem.title, "Аккаунт 24ТВ")
            Standin.setTvAccount(true)
            const loadsBefore = Standin.requestCount("action1")
            sheet.close()
            tryCompare(card, "actionPresented", false)
            tryCompare(part("statusLine"), "value", "Подключено", 10000)
            compare(part("serviceActionButton").title, "Управлять услугой")
            compare(Standin.requestCount("action1"), loadsBefore + 1)
            compare(stack.currentItem, card)
        }

        function test_connectedPartnerTvStillOpensTheAccountSheet() {
            const card = openCard("24ТВ")
            compare(part("statusLine").value, "Подключено")
            compare(part("serviceActionButton").title, "Управлять услугой")
            mouseClick(part("serviceActionButton"))
            const sheet = part("serviceActionSheet")
            tryVerify(() => sheet.opened && sheet.item)
            compare(sheet.item.currentItem.title, "Аккаунт 24ТВ")
            sheet.close()
            tryCompare(card, "actionPresented", false)
        }
    }
}
