import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Account
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The "24ТВ" screen end to end: the catalog page, a package card pushing the partner's page of the
// package it resolves to, the connect control opening the account sheet, and the refreshes; the
// pages worked by keyboard; the failure card of a page that cannot load.
Item {
    id: root
    width: 393
    height: 852

    readonly property string failureText: "Не удалось загрузить страницу. Проверьте подключение к интернету и повторите попытку."

    Component {
        id: stackComponent
        NavigationStack {
            anchors.fill: parent
            initialItem: TelevisionServiceView {}
        }
    }

    // The screen pushed by a button, as the dashboard pushes it.
    Component {
        id: openerComponent
        NavigationStack {
            id: home
            anchors.fill: parent
            initialItem: TarvikButton {
                objectName: "opener"
                text: "24ТВ"
                onClicked: home.push(Qt.resolvedUrl("qrc:/qt/qml/Tarvik/Services/TelevisionServiceView.qml"))
            }
        }
    }

    // The app window's focus ring, which also keeps the focus on what shows.
    Component {
        id: focusRingComponent
        FocusIndicator {}
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

        // What has the focus in the page: its id, else its tag and text ("" for none).
        function pageFocus(webView) {
            return String(run(webView, "(function (e) { return !e || e === document.body ? '' : e.id || e.tagName + e.textContent })(document.activeElement)"))
        }

        // Tab from the screen's back button into its page, on to the page's control `id`.
        function tabTo(page, webView, id) {
            Finder.button(page, "Назад").forceActiveFocus(Qt.TabFocusReason)
            let current = ""
            for (let presses = 0; presses < 20 && current !== id; ++presses) {
                const before = current
                keyClick(Qt.Key_Tab)
                tryVerify(() => (current = pageFocus(webView)) !== before, 5000)
            }
            compare(current, id)
        }

        // Return follows a package card's link and Space presses the connect button; Escape,
        // wherever the focus is in a page, goes back as the back button does, and the focus comes
        // back to what opened the page.
        function test_keyboard() {
            stack = createTemporaryObject(openerComponent, root)
            const opener = Finder.find(stack, "opener")
            opener.forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            tryVerify(() => stack.depth === 2 && !stack.busy && stack.currentItem.catalogView !== null, 10000)
            view = stack.currentItem
            const catalog = view.catalogView.webView
            tryVerify(() => String(run(catalog, "document.getElementById('packet-light').getAttribute('href')")).startsWith("tarvik-package:"), 20000)
            tabTo(view, catalog, "packet-light")
            keyClick(Qt.Key_Return)
            tryVerify(() => stack.depth === 3 && !stack.busy && stack.currentItem.pageView !== null, 10000)
            const packagePage = stack.currentItem
            const partnerPage = packagePage.pageView.webView
            tryVerify(() => String(run(partnerPage, "document.querySelectorAll('[data-tarvik-lockup]').length")) === "1", 20000)
            tabTo(packagePage, partnerPage, "connect")
            keyClick(Qt.Key_Space)
            tryVerify(() => Finder.find(view, "accountCreationSheet").opened, 10000)
            keyClick(Qt.Key_Escape)
            tryVerify(() => !view.showAccountCreation && root.Window.activeFocusItem.parent === partnerPage)

            keyClick(Qt.Key_Escape)
            tryVerify(() => stack.depth === 2 && !stack.busy, 10000)
            tryVerify(() => root.Window.activeFocusItem.parent === catalog && pageFocus(catalog) === "packet-light")
            keyClick(Qt.Key_Escape)
            tryVerify(() => stack.depth === 1)
            tryCompare(root.Window, "activeFocusItem", opener)
        }

        // A screen reader's focus moved onto a link, as Qt's accessibility bridge moves it, brings
        // the keyboard's along from the heading the screen started on: Return follows that link.
        function test_returnFollowsTheLinkAReaderIsOn() {
            const catalog = open()
            tryCompare(root.Window, "activeFocusItem", Finder.find(view, "navigationTitle"))
            tryVerify(() => Standin.focusLinkAsReader(catalog, "Создать аккаунт"), 10000)
            tryVerify(() => root.Window.activeFocusItem.parent === catalog
                      && run(catalog, "document.activeElement.textContent") === "Создать аккаунт")
            keyClick(Qt.Key_Return)
            tryVerify(() => view.showAccountCreation, 10000)
        }

        // Either page that cannot load shows the card over it, as the checkout sheet does: its
        // message and "Повторить" read by a screen reader, the focus left where the screen put it,
        // "Повторить" next after the page for Tab. Return on it with the page answering shows the
        // page, and the focus goes on to it.
        function test_aPageThatCannotLoadShowsTheFailureCard_data() {
            return [
                { tag: "catalog page", path: "/24tv/index.html" },
                { tag: "package page", path: "/packets/1_514", packagePage: true }
            ]
        }
        function test_aPageThatCannotLoadShowsTheFailureCard(data) {
            createTemporaryObject(focusRingComponent, root)
            stack = createTemporaryObject(openerComponent, root)
            Finder.find(stack, "opener").forceActiveFocus(Qt.TabFocusReason)
            if (!data.packagePage)
                Standin.dropConnections(data.path)
            keyClick(Qt.Key_Return)
            tryVerify(() => stack.depth === 2 && !stack.busy && stack.currentItem.catalogView !== null, 10000)
            view = stack.currentItem
            let screen = view
            let frame = view.catalogView
            if (data.packagePage) {
                tryVerify(() => String(run(frame.webView, "document.getElementById('packet-light').getAttribute('href')")).startsWith("tarvik-package:"), 20000)
                Standin.dropConnections(data.path)
                run(frame.webView, "document.getElementById('packet-light').click()")
                tryVerify(() => stack.depth === 3 && !stack.busy && stack.currentItem.pageView !== null, 10000)
                screen = stack.currentItem
                frame = screen.pageView
            }
            const card = Finder.find(frame, "failureCard")
            tryVerify(() => card.visible, 20000)
            compare(Standin.readerNodes(card), ["StaticText " + root.failureText, "Button Повторить"])
            tryCompare(root.Window, "activeFocusItem", Finder.find(screen, "navigationTitle"))

            const retry = Finder.find(card, "retryButton")
            Finder.button(screen, "Назад").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            tryVerify(() => root.Window.activeFocusItem.parent === frame.webView)
            keyClick(Qt.Key_Tab)
            tryCompare(root.Window, "activeFocusItem", retry)
            Finder.shoot(this, root, "partnertv-failure-" + (data.packagePage ? "package" : "catalog"), Standin)

            Standin.clearOverrides()
            keyClick(Qt.Key_Return)
            verify(!card.visible)
            tryVerify(() => !frame.webView.loading && String(run(frame.webView, "document.querySelectorAll('[data-tarvik-lockup]').length")) === "1", 20000)
            verify(!card.visible)
            // Off the button that went, on to the page that came in its place.
            tryVerify(() => root.Window.activeFocusItem.parent === frame.webView)
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
