import QtQuick
import QtWebEngine
import Tarvik.Platform
import Tarvik.Payments
import Tarvik.Web

// The checkout page in a web view whose every navigation passes the payment policy: https pages
// and the blank document load here, bank-app links leave for the bank app, everything else is
// refused without a word; a page's new window loads here when it is https. `isLoading` and
// `errorMessage` are what the checkout sheet shows. The address is loaded once, when the view is
// made; a later change of `url` does not reload (a retry makes a new view).
//   required url: the checkout page; loadTimeout: ms a page may take (45 s)
//   readonly isLoading: bool; readonly errorMessage: string ("" while none)
Item {
    id: root

    required property url url
    property alias loadTimeout: coordinator.loadTimeout
    readonly property alias isLoading: coordinator.isLoading
    readonly property alias errorMessage: coordinator.errorMessage
    readonly property alias webView: webView

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

        Component.onCompleted: webView.url = root.url
    }
}
