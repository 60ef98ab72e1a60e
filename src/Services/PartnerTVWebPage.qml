import QtQuick
import QtWebEngine
import Tarvik.Platform
import Tarvik.Services
import Tarvik.Web
import "partnertvwebprofile.js" as SharedProfile

// One partner TV web page: loads `url` once with `script` injected when the document is ready (main
// frame only) and hands every navigation to the page's coordinator. A load that takes longer than
// `loadTimeout` is stopped; a page that fails to load stays blank. With `backForwardGestures`, a
// drag from the left or right edge, or Alt+Left / Alt+Right, goes back or forward in its history.
//   required url, script, page (PartnerTVPageCoordinator.Page); loadTimeout: ms (60 s)
//   backForwardGestures: bool (false)
//   signals: createAccountRequested(), packageSelected(title), connectRequested()
Item {
    id: root

    required property url url
    required property string script
    required property int page
    property int loadTimeout: 60000
    property bool backForwardGestures: false
    readonly property alias webView: webView

    signal createAccountRequested()
    signal packageSelected(string title)
    signal connectRequested()

    // As the checkout's: a horizontal drag that starts at the left edge goes back, one from the
    // right edge forward (touch or mouse).
    component EdgeSwipe: MouseArea {
        // 1: from the left edge, back; -1: from the right edge, forward.
        required property int direction
        property real startX: 0

        width: 16
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        z: 1
        preventStealing: true
        onPressed: mouse => startX = mouse.x
        onReleased: mouse => {
            if ((mouse.x - startX) * direction < 48)
                return
            if (direction > 0)
                webView.goBack()
            else
                webView.goForward()
        }
    }

    EdgeSwipe {
        objectName: "backSwipe"
        anchors.left: parent.left
        enabled: root.backForwardGestures
        direction: 1
    }

    EdgeSwipe {
        objectName: "forwardSwipe"
        anchors.right: parent.right
        enabled: root.backForwardGestures
        direction: -1
    }

    Shortcut {
        sequences: [StandardKey.Back]
        enabled: root.backForwardGestures && root.visible
        onActivated: webView.goBack()
    }

    Shortcut {
        sequences: [StandardKey.Forward]
        enabled: root.backForwardGestures && root.visible
        onActivated: webView.goForward()
    }

    PartnerTVPageCoordinator {
        id: coordinator

        page: root.page
        onCreateAccountRequested: root.createAccountRequested()
        onPackageSelected: title => root.packageSelected(title)
        onConnectRequested: root.connectRequested()
    }

    Timer {
        id: loadLimit

        interval: root.loadTimeout
        onTriggered: webView.stop()
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
            if (loadingInfo.status === WebEngineView.LoadStartedStatus)
                loadLimit.restart()
            else
                loadLimit.stop()
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
}
