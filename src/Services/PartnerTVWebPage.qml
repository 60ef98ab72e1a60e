import QtQuick
import QtWebEngine
import Tarvik.Design
import Tarvik.Platform
import Tarvik.Services
import Tarvik.Web
import "partnertvwebprofile.js" as SharedProfile

// One partner TV web page: loads `url` once with `script` injected when the document is ready (main
// frame only) and hands every navigation to the page's coordinator. A page that fails to load (not
// one a newer navigation replaces) shows the failure card with "Повторить" over the view, and so
// does one still loading after `loadTimeout`, which is stopped; "Повторить" loads `url` again. With
// `backForwardGestures`, a drag from the left or right edge, or Alt+Left / Alt+Right, goes back or
// forward in its history. A key the page leaves goes on to the screen around it (Escape goes back
// as its back button does).
//   required url, script, page (PartnerTVPageCoordinator.Page); loadTimeout: ms (45 s)
//   backForwardGestures: bool (false); readonly errorMessage: string ("" while no card shows)
//   signals: createAccountRequested(), packageSelected(title), connectRequested()
WebViewFrame {
    id: root

    required property url url
    required property string script
    required property int page
    property alias loadTimeout: coordinator.loadTimeout
    property bool backForwardGestures: false
    readonly property alias webView: webView
    readonly property alias errorMessage: coordinator.errorMessage

    signal createAccountRequested()
    signal packageSelected(string title)
    signal connectRequested()

    view: webView

    WebHistoryGestures {
        anchors.fill: parent
        enabled: root.backForwardGestures
        view: webView
    }

    PartnerTVPageCoordinator {
        id: coordinator

        page: root.page
        pageLoading: webView.loading
        onStopRequested: webView.stop()
        onReloadRequested: webView.url = root.url
        onCreateAccountRequested: root.createAccountRequested()
        onPackageSelected: title => root.packageSelected(title)
        onConnectRequested: root.connectRequested()
    }

    WebEngineView {
        id: webView

        objectName: "partnerTVWebView"
        anchors.fill: parent
        profile: SharedProfile.shared(Qt.resolvedUrl("PartnerTVWebProfile.qml"), WebProfileData)
        settings.javascriptEnabled: true
        settings.errorPageEnabled: false
        // The pages' own links (tarvik-account, tarvik-package) are followed from scripts too: let
        // them reach the coordinator, which refuses every address the view does not show itself.
        // Only a refusal keeps the engine from handing it to the desktop.
        settings.unknownUrlSchemePolicy: WebEngineSettings.AllowAllUnknownUrlSchemes

        onNavigationRequested: function(request) {
            if (!coordinator.allowsNavigation(request.url))
                request.reject()
        }
        onLoadingChanged: function(loadingInfo) {
            coordinator.loadingChanged(loadingInfo.status, loadingInfo.errorCode)
        }
        onCertificateError: function(error) {
            const unknownAuthority = error.type === WebEngineCertificateError.CertificateAuthorityInvalid
            if (WebCertificateTrust.accepts(error.url, unknownAuthority, WebCertificates.chain(error)))
                error.acceptCertificate()
            else
                error.rejectCertificate()
        }

        Component.onCompleted: {
            const injected = WebEngine.script()
            injected.name = "tarvik-partner-tv"
            injected.sourceCode = root.script
            injected.injectionPoint = WebEngineScript.DocumentReady
            injected.worldId = WebEngineScript.ApplicationWorld
            injected.runsOnSubFrames = false
            webView.userScripts.insert(injected)
            webView.url = root.url
        }
    }

    // Over the page, clear of the screen's edges; after the view in the Tab order, so that Tab goes
    // from the page on to "Повторить". It takes no focus when it shows.
    LoadFailureCard {
        backdrop: webView
        message: coordinator.errorMessage
        onRetry: coordinator.retry()
    }
}
