import QtQuick
import QtTest
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The two partner pages of the stand-in in the web engine with their injected scripts: the
// re-branded texts and links, the hidden header controls, the lockup, and the callbacks.
Item {
    id: root
    width: 393
    height: 852

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

        function test_packageWithoutDigitsLoadsTheBarePrefix() {
            const loader = createTemporaryObject(packageComponent, root, { packageID: "lk-premium" })
            tryVerify(() => loader.item !== null, 10000)
            tryVerify(() => loader.item.webView.url.toString().endsWith("/packets/1_"), 10000)
        }
    }
}
