import QtQuick
import QtTest
import QtWebEngine
import Tarvik.Platform
import Tarvik.Payments
import TarvikTest
import "../../common/qml/finder.js" as Finder

// The checkout sheet with the stand-in's checkout page in the web engine: what loads inside, what
// leaves for a bank app, what is refused, new windows, failures, the load limit and "Повторить".
Item {
    id: root
    width: 393
    height: 852

    readonly property string bankText: "Не удалось открыть приложение банка. Выберите другой банк на странице оплаты."
    readonly property string loadText: "Не удалось загрузить страницу оплаты. Проверьте подключение к интернету и повторите попытку."

    Component {
        id: checkoutComponent
        EmbeddedCheckoutView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "CheckoutWebView"
        when: windowShown

        property var view: null

        function init() {
            verify(Standin.reset())
            UrlOpener.installedSchemes = []
            UrlOpener.clear()
        }

        function find(item, name) {
            if (item.objectName === name)
                return item
            for (let i = 0; i < item.children.length; ++i) {
                const found = find(item.children[i], name)
                if (found)
                    return found
            }
            return null
        }

        function open(address, properties) {
            const values = Object.assign({ url: address }, properties ?? {})
            view = createTemporaryObject(checkoutComponent, root, values)
            verify(view)
            return view
        }

        function openCheckout() {
            open(Standin.origin + "/checkout/sbp?amount=500")
            tryCompare(view, "isLoading", false, 15000)
            compare(view.errorMessage, "")
            compare(pageUrl(), Standin.origin + "/checkout/sbp?amount=500")
        }

        function pageUrl() {
            return view.webView.url.toString()
        }

        function run(script) {
            let done = false
            let result
            view.webView.runJavaScript(script, function(value) { result = value; done = true })
            tryVerify(() => done, 5000)
            return result
        }

        function click(id) {
            run("document.getElementById('" + id + "').click()")
        }

        // Refused navigations leave no trace to wait for: let the engine take its turn.
        function settle() {
            wait(400)
        }

        // The payment pages' cookies go with the session they were set in.
        function test_signOutLeavesNoCheckoutCookies() {
            openCheckout()
            run("document.cookie = 'payment_session=previous; max-age=86400; path=/'")
            tryVerify(() => run("document.cookie").indexOf("payment_session=previous") >= 0, 5000)
            view.destroy()
            view = null

            Standin.signOut()
            openCheckout()
            compare(run("document.cookie"), "")
        }

        function test_opensWithTheOverlayUntilThePageIsShown() {
            Standin.setSlowPageDelay(600)
            open(Standin.origin + "/checkout/slow")
            verify(view.isLoading)
            verify(find(view, "loadingOverlay").visible)
            verify(!find(view, "failureCard").visible)
            Finder.shoot(this, root, "payments-checkout-loading", Standin)
            tryCompare(view, "isLoading", false, 15000)
            verify(!find(view, "loadingOverlay").visible)
            compare(view.errorMessage, "")
            compare(run("document.getElementById('title').textContent"), "Проверка платежа")
            // Not from a cache: the page and a retry of it come from the payment service. (The
            // stand-in's own certificate keeps the engine from caching its pages anyway.)
            compare(view.webView.profile.httpCacheType, WebEngineProfile.NoCache)
        }

        function test_httpsAndTheBlankDocumentLoadInside_data() {
            return [
                { tag: "https link", id: "next", path: "/checkout/next?order=TRV-500" },
                { tag: "about:blank", id: "blank", address: "about:blank" }
            ]
        }

        function test_httpsAndTheBlankDocumentLoadInside(data) {
            openCheckout()
            click(data.id)
            const expected = data.address ?? Standin.origin + data.path
            tryVerify(() => pageUrl() === expected, 10000)
            tryCompare(view, "isLoading", false, 10000)
            compare(view.errorMessage, "")
            compare(UrlOpener.requestCount, 0)
        }

        function test_refusedLinksChangeNothing_data() {
            return [{ tag: "http", id: "plain" }, { tag: "mailto", id: "mail" }]
        }

        function test_refusedLinksChangeNothing(data) {
            openCheckout()
            click(data.id)
            settle()
            compare(pageUrl(), Standin.origin + "/checkout/sbp?amount=500")
            compare(view.isLoading, false)
            compare(view.errorMessage, "")
            compare(UrlOpener.requestCount, 0)
            compare(Standin.requestCount("/checkout/next"), 0)
        }

        function test_bankLinksLeaveForTheBankApp_data() {
            return [
                { tag: "sberpay", id: "bank-sberpay", address: "sberpay://pay?order=TRV-500" },
                { tag: "sberbankonline", id: "bank-sberbankonline", address: "sberbankonline://payments/sbp?order=TRV-500" },
                { tag: "tinkoffbank", id: "bank-tinkoffbank", address: "tinkoffbank://pay?order=TRV-500" },
                { tag: "alfabank", id: "bank-alfabank", address: "alfabank://sbp?order=TRV-500" },
                { tag: "bank and digits", id: "bank-numbered", address: "bank100000000004://qr.nspk.ru/TRV-500" },
                { tag: "from the embedded frame", frame: "frame-bank", address: "bank100000000004://qr.nspk.ru/frame" }
            ]
        }

        function test_bankLinksLeaveForTheBankApp(data) {
            UrlOpener.installedSchemes = ["sberpay", "sberbankonline", "tinkoffbank", "alfabank", "bank100000000004"]
            openCheckout()
            if (data.frame)
                run("document.getElementById('frame').contentDocument.getElementById('" + data.frame + "').click()")
            else
                click(data.id)
            tryCompare(UrlOpener, "requestCount", 1, 5000)
            compare(UrlOpener.requestedUrls(), [data.address])
            settle()
            compare(pageUrl(), Standin.origin + "/checkout/sbp?amount=500")
            compare(view.isLoading, false)
            compare(view.errorMessage, "")
        }

        // Capitals in the host and path, which a parsed address loses, reach the bank app.
        function test_theBankAddressLeavesAsThePageWroteIt() {
            UrlOpener.installedSchemes = ["tinkoffbank"]
            openCheckout()
            const address = "tinkoffbank://Main/PayByInvoice?id=0001"
            run("const a = document.createElement('a'); a.id = 'exact'; a.href = '" + address + "';"
                + " a.textContent = 'Т-Банк'; document.body.appendChild(a); a.click()")
            tryCompare(UrlOpener, "requestCount", 1, 5000)
            compare(UrlOpener.requestedUrls(), [address])
        }

        // After a link has replaced the checkout page, a drag from the left edge brings it back,
        // and Alt+Right goes forward again.
        function test_backAndForward() {
            openCheckout()
            // A click of the user's: the engine leaves links followed from a script out of the
            // history.
            const box = JSON.parse(run("JSON.stringify(document.getElementById('next').getBoundingClientRect())"))
            const at = view.webView.mapToItem(root, box.x + box.width / 2, box.y + box.height / 2)
            mouseClick(root, at.x, at.y)
            const next = Standin.origin + "/checkout/next?order=TRV-500"
            tryVerify(() => pageUrl() === next, 10000)
            tryCompare(view, "isLoading", false, 10000)

            const y = root.height / 2
            mousePress(root, 4, y)
            mouseMove(root, 60, y)
            mouseMove(root, 160, y)
            mouseRelease(root, 160, y)
            tryVerify(() => pageUrl() === Standin.origin + "/checkout/sbp?amount=500", 10000)
            tryCompare(view, "isLoading", false, 10000)

            keyClick(Qt.Key_Right, Qt.AltModifier)
            tryVerify(() => pageUrl() === next, 10000)
            keyClick(Qt.Key_Left, Qt.AltModifier)
            tryVerify(() => pageUrl() === Standin.origin + "/checkout/sbp?amount=500", 10000)
        }

        function test_aMissingBankAppShowsTheBankTextAndRetryStartsAgain() {
            openCheckout()
            click("bank-sberpay")
            tryCompare(view, "errorMessage", root.bankText, 5000)
            compare(view.isLoading, false)
            compare(pageUrl(), Standin.origin + "/checkout/sbp?amount=500")
            const card = find(view, "failureCard")
            verify(card.visible)
            compare(find(card, "failureMessage").text, root.bankText)
            Finder.shoot(this, root, "payments-checkout-bank", Standin)

            const requestsBefore = Standin.requestCount("/checkout/sbp")
            mouseClick(find(card, "retryButton"))
            compare(view.errorMessage, "")
            verify(view.isLoading)
            tryCompare(view, "isLoading", false, 10000)
            compare(Standin.requestCount("/checkout/sbp"), requestsBefore + 1)
            compare(view.errorMessage, "")
            verify(!card.visible)
        }

        function test_newWindows_data() {
            return [
                { tag: "https loads here", id: "window-https", loads: true },
                { tag: "http is dropped", id: "window-http", loads: false },
                { tag: "a bank app is dropped", id: "window-bank", loads: false }
            ]
        }

        function test_newWindows(data) {
            UrlOpener.installedSchemes = ["sberpay"]
            openCheckout()
            click(data.id)
            if (data.loads) {
                tryVerify(() => pageUrl() === Standin.origin + "/checkout/window", 10000)
                tryCompare(view, "isLoading", false, 10000)
                // Back returns to the checkout page: the same view, with its history.
                verify(view.webView.canGoBack)
                view.webView.goBack()
                tryVerify(() => pageUrl() === Standin.origin + "/checkout/sbp?amount=500", 10000)
            } else {
                settle()
                compare(pageUrl(), Standin.origin + "/checkout/sbp?amount=500")
                compare(Standin.requestCount("/checkout/window"), 0)
            }
            compare(UrlOpener.requestCount, 0)
            compare(view.errorMessage, "")
        }

        function test_aFailedLoadShowsTheCardAndRetryLoadsAgain() {
            Standin.dropConnections("/checkout/sbp")
            open(Standin.origin + "/checkout/sbp?amount=500")
            tryCompare(view, "errorMessage", root.loadText, 15000)
            compare(view.isLoading, false)
            verify(find(view, "failureCard").visible)
            verify(!find(view, "loadingOverlay").visible)
            Finder.shoot(this, root, "payments-checkout-failure", Standin)

            Standin.clearOverrides()
            mouseClick(find(view, "retryButton"))
            verify(view.isLoading)
            compare(view.errorMessage, "")
            tryCompare(view, "isLoading", false, 15000)
            compare(view.errorMessage, "")
            compare(run("document.getElementById('sum').textContent"), "500 ₽")
        }

        function test_theLoadLimit_data() {
            return [
                { tag: "a page that never arrives fails", path: "/checkout/never", fails: true },
                { tag: "a page that arrived stays", path: "/checkout/sbp?amount=500", fails: false }
            ]
        }

        function test_theLoadLimit(data) {
            open(Standin.origin + data.path, { loadTimeout: 1200 })
            verify(view.isLoading)
            if (data.fails) {
                wait(600)
                verify(view.isLoading)
                tryCompare(view, "errorMessage", root.loadText, 5000)
                compare(view.isLoading, false)
            } else {
                tryCompare(view, "isLoading", false, 10000)
                wait(1500)
                compare(view.errorMessage, "")
            }
        }

        // A server redirect to an address the view does not load ends that load: no overlay, no
        // card, the page stays; a bank app's address still goes to the bank app.
        function test_aRefusedRedirectEndsTheLoad_data() {
            return [
                { tag: "to http", location: "http:" + Standin.origin.substring(6) + "/checkout/next", handedOff: false },
                { tag: "to a bank app", location: "sberpay://pay?order=TRV-500", handedOff: true },
                { tag: "to another scheme", location: "tarvikunknown://pay", handedOff: false }
            ]
        }

        function test_aRefusedRedirectEndsTheLoad(data) {
            UrlOpener.installedSchemes = ["sberpay"]
            openCheckout()
            Standin.redirect("/checkout/hop", data.location)
            run("window.location.href = '" + Standin.origin + "/checkout/hop'")
            tryVerify(() => Standin.requestCount("/checkout/hop") === 1, 5000)
            tryCompare(view, "isLoading", false, 5000)
            settle()
            compare(view.isLoading, false)
            compare(view.errorMessage, "")
            verify(!find(view, "loadingOverlay").visible)
            verify(!find(view, "failureCard").visible)
            compare(pageUrl(), Standin.origin + "/checkout/sbp?amount=500")
            compare(UrlOpener.requestCount, data.handedOff ? 1 : 0)
            if (data.handedOff)
                compare(UrlOpener.requestedUrls(), [data.location])
        }

        function test_anUntrustedCertificateIsRefused() {
            const origin = Standin.untrustedOrigin()
            verify(origin.length > 0)
            open(origin + "/checkout/sbp?amount=500")
            tryCompare(view, "errorMessage", root.loadText, 15000)
            compare(view.isLoading, false)
        }
    }
}
