import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The "24ТВ" screen end to end: the catalog page, a package card pushing the partner's page of the
// package it resolves to, the connect control opening the account sheet, and the refreshes.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        NavigationStack {
            anchors.fill: parent
            initialItem: TelevisionServiceView {}
        }
    }

    SignalSpy { id: selectSpy; signalName: "selectPackage" }

    TestCase {
        name: "TelevisionServiceView"
        when: windowShown

        property var stack: null
        property var view: null

        function init() {
            verify(Standin.reset())
        }

        function run(webView, script) {
            let done = false
            let result
            webView.runJavaScript(script, function(value) { result = value; done = true })
            tryVerify(() => done, 5000)
            return result
        }

        function open() {
            stack = createTemporaryObject(stackComponent, root)
            view = stack.currentItem
            tryVerify(() => view.catalogView !== null, 10000)
            const web = view.catalogView.webView
            tryCompare(web, "loading", false, 20000)
            tryVerify(() => String(run(web, "(function(){var a=document.getElementById('packet-light');return a?a.getAttribute('href'):''})()")).indexOf("tarvik-package:") === 0, 20000)
            return web
        }

        function test_loadsPackagesWhenItHasNone() {
            // The signed-in store already holds the account's packages: no second load.
            open()
            compare(Standin.requestCount("h42tv_channels"), 0)
            verify(Standin.loadNoTvPackages())
            open()
            tryVerify(() => Standin.requestCount("h42tv_channels") === 1, 15000)
        }

        function test_packageCardPushesThePartnerPage() {
            const web = open()
            Finder.shoot(this, root, "partnertv-tv-screen", Standin)
            run(web, "document.getElementById('packet-light').click()")
            tryVerify(() => stack.depth === 2, 10000)
            compare(view.selectedPackage.id, "514")
            compare(view.selectedPackage.title, "Лайт+")
            const packagePage = stack.currentItem
            compare(packagePage.title, "Лайт+")
            tryVerify(() => packagePage.pageView !== null, 10000)
            tryVerify(() => packagePage.pageView.webView.url.toString().endsWith("/packets/1_514"), 10000)
            tryVerify(() => String(run(packagePage.pageView.webView, "document.querySelectorAll('[data-tarvik-lockup]').length")) === "1", 20000)
            Finder.shoot(this, root, "partnertv-tv-package", Standin)

            // The page's connect control opens the account sheet.
            run(packagePage.pageView.webView, "document.getElementById('connect').click()")
            tryVerify(() => view.showAccountCreation, 10000)
            const sheet = Finder.find(view, "accountCreationSheet")
            tryVerify(() => sheet.item !== null)
            tryCompare(sheet, "slide", 0)
            Finder.shoot(this, root, "partnertv-tv-account-sheet", Standin)
            const logins = Standin.requestCount("/ajax/login.jsp")
            sheet.close()
            tryVerify(() => !view.showAccountCreation)
            // Closing the sheet refreshes the account.
            tryVerify(() => Standin.requestCount("/ajax/login.jsp") === logins + 1, 15000)

            // Back clears the selection; the same title pushes again.
            stack.pop()
            tryVerify(() => view.selectedPackage === null, 10000)
            run(view.catalogView.webView, "document.getElementById('packet-light').click()")
            tryVerify(() => stack.depth === 2, 10000)
        }

        // The account's own packages, as the store holds them, come first and show as the screen shows them.
        function test_accountPackagesComeFirst() {
            const shown = TVPackageLookup.resolvedPackage("Кинозал", AccountStore.tvPackages)
            compare([shown.id, shown.title, shown.channelCount, shown.price], ["kino", "Кинозал", "45 каналов", "299 ₽/мес."])
        }

        function test_unknownTitleDoesNothing() {
            const web = open()
            selectSpy.target = view.catalogView
            run(web, "document.getElementById('packet-untitled').click()")
            tryCompare(selectSpy, "count", 1)
            compare(selectSpy.signalArguments[0][0], "")
            compare(stack.depth, 1)
            compare(view.selectedPackage, null)
        }

        function test_signInLinkOpensTheSheet() {
            const web = open()
            run(web, "document.getElementById('sign-in').click()")
            tryVerify(() => view.showAccountCreation, 10000)
        }
    }
}
