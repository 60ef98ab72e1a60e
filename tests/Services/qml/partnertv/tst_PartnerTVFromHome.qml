import QtQuick
import QtTest
import Tarvik.Shell
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The way a subscriber goes: the dashboard's 24ТВ card, the re-branded catalog page of the
// stand-in, a package's page, and the partner account created through the sheet.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: homeComponent
        HomeView {
            width: root.width
            height: root.height
        }
    }

    TestCase {
        name: "PartnerTVFromHome"
        when: windowShown

        function run(webView, script) {
            let done = false
            let result
            webView.runJavaScript(script, function(value) { result = value; done = true })
            tryVerify(() => done, 5000)
            return result
        }
        function part(name) {
            const found = findChild(root.parent, name)
            verify(found, name)
            return found
        }

        function test_createsThePartnerAccountFromTheDashboard() {
            verify(Standin.reset())
            const home = createTemporaryObject(homeComponent, root)
            tryCompare(home, "onScreen", true)
            const card = part("partnerCard24ТВ")
            const sheet = part("homeSheet")
            sheet.contentY = Math.max(0, Math.min(sheet.contentHeight - sheet.height, card.mapToItem(sheet.contentItem, 0, 0).y - 40))
            wait(0)
            mouseClick(card)
            tryCompare(home.stack, "depth", 2)
            const tv = home.stack.currentItem
            compare(tv.title, "24ТВ")

            tryVerify(() => tv.catalogView !== null, 10000)
            const catalog = tv.catalogView.webView
            tryVerify(() => String(run(catalog, "(function(){var h=document.getElementById('headline');return h?h.textContent:''})()")) === "24ТВ от Tarvik", 20000)
            tryVerify(() => String(run(catalog, "document.getElementById('packet-optimum').getAttribute('href')")).indexOf("tarvik-package:") === 0, 10000)
            Finder.shoot(this, root, "partnertv-home-catalog", Standin)

            run(catalog, "document.getElementById('packet-optimum').click()")
            tryCompare(home.stack, "depth", 3, 10000)
            const packagePage = home.stack.currentItem
            compare(packagePage.title, "Оптимум+")
            tryVerify(() => packagePage.pageView !== null, 10000)
            const partnerPage = packagePage.pageView.webView
            tryVerify(() => partnerPage.url.toString().endsWith("/packets/1_500"), 10000)
            tryVerify(() => String(run(partnerPage, "document.querySelectorAll('[data-tarvik-lockup]').length")) === "1", 20000)

            run(partnerPage, "document.getElementById('connect').click()")
            tryVerify(() => tv.showAccountCreation, 10000)
            const accountSheet = Finder.find(tv, "accountCreationSheet")
            tryVerify(() => accountSheet.item !== null)
            const form = accountSheet.item.form
            const field = Finder.find(accountSheet.item, "phoneField")
            mouseClick(field)
            for (const c of "9991234567")
                keyClick(c)
            compare(field.text, "+7 (999) 123-45-67")
            mouseClick(Finder.find(accountSheet.item, "createButton"))
            tryVerify(() => form.successMessage.length > 0, 15000)
            compare(Standin.lastQuery("h42tv_add_account").logname, "79991234567")
            const logins = Standin.requestCount("/ajax/login.jsp")
            accountSheet.close()
            tryVerify(() => !tv.showAccountCreation)
            // Closing the sheet reloads the account.
            tryVerify(() => Standin.requestCount("/ajax/login.jsp") === logins + 1, 15000)
        }
    }
}
