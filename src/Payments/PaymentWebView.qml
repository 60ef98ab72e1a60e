import QtQuick
import QtWebEngine
import Tarvik.Platform
import Tarvik.Payments
import Tarvik.Web

// The checkout page in a web view whose every navigation passes the payment policy: https pages
// and the blank document load here, bank-app links leave for the bank app, everything else is
// refused without a word; a page's new window loads here when it is https. `isLoading` and
// `errorMessage` are what the checkout sheet shows. The address is loaded once, when the view is
// made, never from a cache; a later change of `url` does not reload (a retry makes a new view). A
// drag from the left or right edge, or Alt+Left / Alt+Right, goes back or forward in the view's
// history. A key the page leaves goes on to the sheet (Escape closes it as anywhere in it).
//   required url: the checkout page; loadTimeout: ms a page may take (45 s)
//   readonly isLoading: bool; readonly errorMessage: string ("" while none)
WebViewFrame {
    id: root

    required property url url
    property alias loadTimeout: coordinator.loadTimeout
    readonly property alias isLoading: coordinator.isLoading
    readonly property alias errorMessage: coordinator.errorMessage
    readonly property alias webView: webView
    readonly property string linkMarker: "tarvik-followed-link "

    view: webView

    WebHistoryGestures {
        anchors.fill: parent
        view: webView
    }

    PaymentWebViewCoordinator {
        id: coordinator

        opener: UrlOpener
        onStopRequested: webView.stop()
    }

    WebEngineView {
        id: webView

        objectName: "paymentWebView"
        anchors.fill: parent
        settings.javascriptEnabled: true
        // Bank links are often followed from scripts: let them reach the policy, which refuses them
        // here and hands them on itself.
        settings.unknownUrlSchemePolicy: WebEngineSettings.AllowAllUnknownUrlSchemes
        // A failed page leaves the last one in place under the failure card.
        settings.errorPageEnabled: false

        onNavigationRequested: function(request) {
            if (!coordinator.allowsNavigation(request.url, request.isMainFrame))
                request.reject()
        }
        onNewWindowRequested: function(request) {
            const target = coordinator.newWindowTarget(request.requestedUrl)
            if (target.toString().length > 0)
                webView.url = target
        }
        onLoadingChanged: function(loadingInfo) {
            coordinator.loadingChanged(loadingInfo.url, loadingInfo.status, loadingInfo.errorCode)
        }
        onCertificateError: function(error) {
            const unknownAuthority = error.type === WebEngineCertificateError.CertificateAuthorityInvalid
            if (coordinator.acceptsCertificate(error.url, unknownAuthority, WebCertificates.chain(error)))
                error.acceptCertificate()
            else
                error.rejectCertificate()
        }

        // A followed link's address reaches the policy parsed, its scheme and host lower-cased; a
        // script of ours tells the exact text of each clicked link, which is what a bank app gets.
        onJavaScriptConsoleMessage: function(level, message, lineNumber, sourceID) {
            if (message.startsWith(root.linkMarker))
                coordinator.linkFollowed(message.substring(root.linkMarker.length))
        }

        Component.onCompleted: {
            const links = WebEngine.script()
            links.name = "tarvik-followed-links"
            links.injectionPoint = WebEngineScript.DocumentCreation
            links.worldId = WebEngineScript.ApplicationWorld
            links.runsOnSubFrames = true
            links.sourceCode = "document.addEventListener('click', function (event) {"
                    + " var link = event.target && event.target.closest ? event.target.closest('a[href]') : null;"
                    + " if (link) console.info('" + root.linkMarker + "' + link.getAttribute('href'));"
                    + " }, true);"
            webView.userScripts.insert(links)
            // The checkout's profile keeps the payment pages' cookies in memory for the whole run:
            // they go with the session they were set in. It keeps no page: every load, a retry
            // included, asks the payment service afresh.
            WebProfiles.emptyAfterEndedSessions(webView.profile, WebProfileData.erasures)
            webView.profile.httpCacheType = WebEngineProfile.NoCache
            webView.url = root.url
        }

        readonly property Connections sessionEnd: Connections {
            target: WebProfileData
            function onEraseRequested() {
                WebProfiles.emptyAfterEndedSessions(webView.profile, WebProfileData.erasures)
            }
        }
    }
}
