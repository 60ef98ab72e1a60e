import QtQuick
import QtTest
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The two partner pages of the stand-in in the web engine with their injected scripts: the
// re-branded texts and links, the hidden header controls, the lockup, the callbacks, and the
// failure card of a page that cannot be shown.
Item {
    id: root
    width: 393
    height: 852

    readonly property string failureText: "Не удалось загрузить страницу. Проверьте подключение к интернету и повторите попытку."

    Component {
        id: catalogComponent
        Loader {
            anchors.fill: parent
            source: Qt.resolvedUrl("qrc:/qt/qml/Tarvik/Services/Branded24TVWebView.qml")
        }
    }
    Component {
        id: packageComponent
        Loader {
            property string packageID
            anchors.fill: parent
            Component.onCompleted: setSource("qrc:/qt/qml/Tarvik/Services/Branded24TVPackageWebView.qml", { packageID: packageID })
        }
    }

    // The catalog page at an address of our choosing.
    Component {
        id: catalogAtComponent
        Loader {
            property string address
            anchors.fill: parent
            Component.onCompleted: setSource("qrc:/qt/qml/Tarvik/Services/PartnerTVWebPage.qml", {
                url: address, script: PartnerTVPages.catalogScript, page: PartnerTVPageCoordinator.CatalogPage })
        }
    }

    SignalSpy { id: createSpy; signalName: "createAccount" }
    SignalSpy { id: selectSpy; signalName: "selectPackage" }
    SignalSpy { id: connectSpy; signalName: "connect" }

    TestCase {
        name: "PartnerTVPages"
        when: windowShown

        property var page: null

        function init() {
            verify(Standin.reset())
            createSpy.clear()
            selectSpy.clear()
            connectSpy.clear()
        }

        function run(script) {
            let done = false
            let result
            page.webView.runJavaScript(script, function(value) { result = value; done = true })
            tryVerify(() => done, 5000)
            return result
        }

        // Reads the page from the script's world: it sees the same document.
        function text(id) {
            return run("(function(){var e=document.getElementById('" + id + "');return e?e.textContent:null})()")
        }
        function href(id) {
            return run("(function(){var e=document.getElementById('" + id + "');return e?e.getAttribute('href'):null})()")
        }
        function hidden(id) {
            return run("getComputedStyle(document.getElementById('" + id + "')).display === 'none'")
        }
        function click(id) {
            run("document.getElementById('" + id + "').click()")
        }
        // Refused navigations leave no trace to wait for: let the engine take its turn.
        function settle() {
            wait(300)
        }

        function openCatalog() {
            const loader = createTemporaryObject(catalogComponent, root)
            tryVerify(() => loader.item !== null, 10000)
            page = loader.item
            createSpy.target = page
            selectSpy.target = page
            tryCompare(page.webView, "loading", false, 20000)
            // The late card has arrived and been re-branded.
            tryVerify(() => href("packet-late") === "tarvik-package://select?title=" + encodeURIComponent("Кино и сериалы"), 10000)
        }

        function failureCard() {
            return Finder.find(page, "failureCard")
        }

        // The page is shown, re-branded, and no card is over it.
        function verifyCatalogShown() {
            tryVerify(() => !page.webView.loading && text("headline") === "24ТВ от Tarvik", 20000)
            verify(!failureCard().visible)
            compare(page.errorMessage, "")
        }

        // "Повторить" takes the card away at once, and the page comes.
        function retryShowsCatalog() {
            mouseClick(Finder.find(failureCard(), "retryButton"))
            verify(!failureCard().visible)
            verifyCatalogShown()
        }

        function openPackage(id) {
            const loader = createTemporaryObject(packageComponent, root, { packageID: id })
            tryVerify(() => loader.item !== null, 10000)
            page = loader.item
            connectSpy.target = page
            tryCompare(page.webView, "loading", false, 20000)
            tryVerify(() => run("document.querySelectorAll('[data-tarvik-lockup]').length") === 1, 10000)
        }

        function test_catalogTextsAreOurs() {
            openCatalog()
            compare(page.webView.url.toString(), Standin.origin + "/24tv/index.html")
            compare(text("headline"), "24ТВ от Tarvik")
            compare(text("intro"), "Более 400 каналов и онлайн-кинотеатры вместе с Tarvik. Услугу оказывает ООО «ВЕЛМОР ТЕЛЕКОМ».")
            compare(text("footer"), "© ООО «ВЕЛМОР ТЕЛЕКОМ», Tarvik")
            compare(text("phone-text"), "Телефон поддержки: +7 (495) 318-42-77")
            verify(text("late-card").indexOf("от Tarvik") > 0)
            Finder.shoot(this, root, "partnertv-catalog-page", Standin)
        }

        function test_catalogLinks() {
            openCatalog()
            compare(text("sign-in"), "Создать аккаунт")
            compare(href("sign-in"), "tarvik-account://create")
            compare(href("header-sign-in"), "tarvik-account://create")
            compare(href("packet-light"), "tarvik-package://select?title=%D0%9B%D0%B0%D0%B9%D1%82%2B")
            compare(href("packet-premium"), "tarvik-package://select?title=" + encodeURIComponent("Премиум"))
            compare(href("packet-untitled"), "tarvik-package://select?title=")
            compare(text("phone"), "+7 (495) 318-42-77")
            compare(href("phone"), "tel:+74953184277")
            // The sister brand's TV page of its personal account is ours to create; other links of
            // its domain keep their path, query and fragment on ours; dots are literal.
            compare(href("account-tv"), "tarvik-account://create")
            compare(href("about"), "https://tarvik.ru/about?from=24tv#team")
            compare(href("tariffs"), "https://tarvik.ru/tv")
            compare(href("lookalike"), "https://kestrabayXru/news")
        }

        function test_catalogHeader() {
            openCatalog()
            verify(hidden("gifts"))
            verify(hidden("promo"))
            verify(hidden("cabinet"))
            verify(!hidden("tariffs"))
            // The sign-in link became "Создать аккаунт" first and stays.
            verify(!hidden("header-sign-in"))
            compare(run("document.querySelectorAll('[data-tarvik-lockup]').length"), 1)
            compare(run("document.querySelectorAll('header [data-tarvik-lockup] img').length"), 2)
            compare(run("document.querySelector('header .logo a').getAttribute('href')"), "https://tarvik.ru/")
        }

        function test_catalogCallbacks() {
            openCatalog()
            const before = page.webView.url.toString()
            click("sign-in")
            tryCompare(createSpy, "count", 1)
            click("packet-light")
            tryCompare(selectSpy, "count", 1)
            compare(selectSpy.signalArguments[0][0], "Лайт+")
            click("packet-untitled")
            tryCompare(selectSpy, "count", 2)
            compare(selectSpy.signalArguments[1][0], "")
            // Allowed by the policy, but an address of ours never loads nor leaves the app.
            run("window.location.href = 'tarvik-package://select'")
            run("window.location.href = 'tarvik-package://select?title'")
            settle()
            compare(selectSpy.count, 2)
            compare(createSpy.count, 1)
            compare(page.webView.url.toString(), before)
            compare(text("headline"), "24ТВ от Tarvik")
            // Refused loads have ended, so no load limit runs on to a card over the page.
            tryCompare(page.webView, "loading", false)
            verify(!failureCard().visible)
        }

        function test_packagePage() {
            openPackage("690")
            compare(page.webView.url.toString(), "https://localhost:" + Standin.origin.split(":")[2] + "/packets/1_690")
            compare(text("packet"), "Пакет №690")
            verify(hidden("gift"))
            verify(hidden("login"))
            verify(hidden("account"))
            verify(!hidden("all-packets"))
            compare(run("document.querySelectorAll('#home [data-tarvik-lockup]').length"), 1)
            Finder.shoot(this, root, "partnertv-package-page", Standin)
        }

        function test_packageConnectControls() {
            openPackage("514")
            click("connect")
            tryCompare(connectSpy, "count", 1)
            // The page's own handler never ran.
            compare(text("state"), "")
            click("watch-free")
            tryCompare(connectSpy, "count", 2)
            click("preview")
            tryVerify(() => text("state") === "preview")
            settle()
            compare(connectSpy.count, 2)
        }

        // Whatever a page or one of its frames asks for that the view does not show itself stays
        // in the view: no program of the desktop is handed the address, with or without a click.
        function test_otherSchemesNeverLeaveTheView_data() {
            return [
                { tag: "script navigation", script: "window.location.href = 'tarvikunknown://go?from=script'" },
                { tag: "frame", script: "var f = document.createElement('iframe'); f.src = 'tarvikunknown://frame';"
                        + " document.body.appendChild(f)" },
                { tag: "window", script: "window.open('tarvikunknown://window')" },
                { tag: "mail link", script: "var a = document.createElement('a'); a.href = 'mailto:x@example.org';"
                        + " document.body.appendChild(a); a.click()" },
                { tag: "phone link", script: "document.getElementById('phone').click()" },
            ]
        }
        function test_otherSchemesNeverLeaveTheView(data) {
            Standin.watchHandoffs(["tarvikunknown", "mailto", "tel"])
            openCatalog()
            const before = page.webView.url.toString()
            run(data.script)
            settle()
            compare(Standin.handoffs(), [])
            compare(page.webView.url.toString(), before)
            compare(text("headline"), "24ТВ от Tarvik")
        }

        // Back and forward as in the checkout, on the package page only: a drag from the left edge
        // goes back, one from the right edge forward, and so do Alt+Left and Alt+Right.
        function test_packagePageGoesBackAndForward() {
            openPackage("514")
            const first = page.webView.url.toString()
            // A click of the user's: the engine keeps links followed from a script out of the history.
            const box = JSON.parse(run("JSON.stringify(document.getElementById('all-packets').getBoundingClientRect())"))
            const at = page.webView.mapToItem(root, box.x + box.width / 2, box.y + box.height / 2)
            mouseClick(root, at.x, at.y)
            tryVerify(() => page.webView.url.toString().endsWith("/packets"), 10000)
            const second = page.webView.url.toString()
            tryCompare(page.webView, "loading", false, 20000)

            const y = root.height / 2
            mousePress(root, 4, y)
            mouseMove(root, 60, y)
            mouseMove(root, 160, y)
            mouseRelease(root, 160, y)
            tryVerify(() => page.webView.url.toString() === first, 10000)
            tryCompare(page.webView, "loading", false, 20000)
            mousePress(root, root.width - 4, y)
            mouseMove(root, root.width - 60, y)
            mouseMove(root, root.width - 160, y)
            mouseRelease(root, root.width - 160, y)
            tryVerify(() => page.webView.url.toString() === second, 10000)
            tryCompare(page.webView, "loading", false, 20000)

            keyClick(Qt.Key_Left, Qt.AltModifier)
            tryVerify(() => page.webView.url.toString() === first, 10000)
            tryCompare(page.webView, "loading", false, 20000)
            keyClick(Qt.Key_Right, Qt.AltModifier)
            tryVerify(() => page.webView.url.toString() === second, 10000)
        }

        // The catalog page keeps them off: its edges and the keys leave its history alone.
        function test_catalogPageHasNoBackAndForward() {
            openCatalog()
            const first = page.webView.url.toString()
            const box = JSON.parse(run("JSON.stringify(document.getElementById('tariffs').getBoundingClientRect())"))
            const at = page.webView.mapToItem(root, box.x + box.width / 2, box.y + box.height / 2)
            // Off the page's own handlers: a plain https link.
            run("document.getElementById('tariffs').setAttribute('href', '" + Standin.origin + "/24tv/index.html?second')")
            mouseClick(root, at.x, at.y)
            tryVerify(() => page.webView.url.toString().endsWith("?second"), 10000)
            tryCompare(page.webView, "loading", false, 20000)
            verify(page.webView.canGoBack)
            verify(!findChild(page, "backSwipe").enabled)
            keyClick(Qt.Key_Left, Qt.AltModifier)
            const y = root.height / 2
            mousePress(root, 4, y)
            mouseMove(root, 160, y)
            mouseRelease(root, 160, y)
            settle()
            verify(page.webView.url.toString().endsWith("?second"))
            verify(first !== page.webView.url.toString())
        }

        // What a partner session stored in the pages (a cookie, local storage) is gone once the
        // subscriber signs out: the next page finds none, and the profile's folders are gone or go
        // before the profile is next opened.
        function test_signOutLeavesNoPartnerData() {
            openPackage("514")
            run("document.cookie = 'partner_session=previous; max-age=86400; path=/'; localStorage.setItem('partner', 'previous')")
            tryVerify(() => run("document.cookie").indexOf("partner_session=previous") >= 0, 5000)
            compare(run("localStorage.getItem('partner')"), "previous")
            page.parent.destroy()
            page = null

            Standin.signOut()
            verify(Standin.partnerDataGoneOrPending())
            openPackage("514")
            compare(run("document.cookie"), "")
            verify(run("localStorage.getItem('partner') === null"))
        }

        // The folders the sign-out removes are the ones the engine keeps a persistent profile in.
        function test_profileFoldersAreTheEngines() {
            const profile = createTemporaryQmlObject("import QtWebEngine; WebEngineProfile { storageName: 'TarvikFolderCheck';"
                    + " offTheRecord: false }", root)
            compare([profile.persistentStoragePath, profile.cachePath], Standin.profileFolders("TarvikFolderCheck"))
        }

        // Nothing listens at the page's host: the card says so, and once the host answers,
        // "Повторить" shows the page.
        function test_aRefusedHostShowsTheFailureCard() {
            const origin = Standin.refusedOrigin()
            verify(origin.length > 0)
            const loader = createTemporaryObject(catalogAtComponent, root, { address: origin + "/24tv/index.html" })
            tryVerify(() => loader.item !== null, 10000)
            page = loader.item
            tryVerify(() => failureCard().visible, 20000)
            compare(Finder.find(failureCard(), "failureMessage").text, root.failureText)
            verify(!page.webView.loading)
            Finder.shoot(this, root, "partnertv-page-failure", Standin)

            verify(Standin.serveAt(origin))
            retryShowsCatalog()
        }

        // A page that never answers fails by the view's own limit, the real one: the load is
        // stopped and the card shows; "Повторить" with the page answering again shows it.
        function test_aPageThatNeverAnswersShowsTheFailureCard() {
            Standin.hold("/24tv/index.html")
            const loader = createTemporaryObject(catalogComponent, root)
            tryVerify(() => loader.item !== null, 10000)
            page = loader.item
            tryVerify(() => Standin.heldCount() > 0, 10000)
            verify(page.webView.loading)
            verify(!failureCard().visible)
            tryVerify(() => failureCard().visible, 45000 + 7000)
            compare(Finder.find(failureCard(), "failureMessage").text, root.failureText)
            tryCompare(page.webView, "loading", false, 5000)

            Standin.release("/24tv/index.html")
            retryShowsCatalog()
        }

        function test_packageWithoutDigitsLoadsTheBarePrefix() {
            const loader = createTemporaryObject(packageComponent, root, { packageID: "lk-premium" })
            tryVerify(() => loader.item !== null, 10000)
            tryVerify(() => loader.item.webView.url.toString().endsWith("/packets/1_"), 10000)
        }
    }
}
