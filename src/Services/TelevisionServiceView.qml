import QtQuick
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Account
import Tarvik.Services

// The "24ТВ" screen: the re-branded catalog page full screen. Its sign-in links open the account
// sheet; its package cards push the partner's page of the package the title resolves to (an
// unknown title does nothing). Loads the account's packages when it has none, and again when the
// account sheet closes. Escape goes back as the back button does, wherever the focus is on it.
NavigationPage {
    id: view

    // The package whose page is pushed; null while none is.
    property var selectedPackage: null
    property bool showAccountCreation: false
    readonly property Item catalogView: catalogLoader.item as Item

    function selectPackage(title) {
        if (view.selectedPackage !== null)
            return
        const resolved = TVPackageLookup.resolvedPackage(title, AccountStore.tvPackages)
        if (resolved === null || resolved === undefined)
            return
        view.selectedPackage = resolved
        view.push(packagePage, { tvPackage: resolved })
    }

    title: "24ТВ"

    // The page passes on what it leaves of the keyboard (WebViewFrame), so this holds inside it too.
    Keys.onEscapePressed: event => {
        event.accepted = view.canGoBack && T.StackView.status === T.StackView.Active
        if (event.accepted)
            view.pop()
    }

    // Each time the screen comes into view, the first time included.
    T.StackView.onActivated: {
        if (AccountStore.tvPackages.length === 0)
            AccountStore.refresh()
    }

    Loader {
        id: catalogLoader

        anchors.fill: parent
        // By address: the web engine loads with the first partner page, not with the app.
        Component.onCompleted: setSource(Qt.resolvedUrl("Branded24TVWebView.qml"))
    }
    Connections {
        target: catalogLoader.item
        function onCreateAccount() {
            view.showAccountCreation = true
        }
        function onSelectPackage(title) {
            view.selectPackage(title)
        }
    }

    Component {
        id: packagePage

        Branded24TVPackageView {
            onConnect: view.showAccountCreation = true // qmllint disable unqualified
            // Going back clears the selection, so that the same title can be chosen again.
            Component.onDestruction: {
                // Also runs when the whole screen goes, after the screen itself.
                if (view) // qmllint disable unqualified
                    view.selectedPackage = null
            }
        }
    }

    Sheet {
        objectName: "accountCreationSheet"
        presented: view.showAccountCreation
        sourceComponent: Component { TwentyFourTVAccountSheet {} }
        onClosed: {
            view.showAccountCreation = false
            // A new partner account and its packages show up; a failure shows nothing.
            AccountStore.refresh()
        }
    }
}
