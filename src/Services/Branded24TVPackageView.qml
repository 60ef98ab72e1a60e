import QtQuick
import QtQuick.Templates as T
import Tarvik.Design
import Tarvik.Services

// The pushed screen of one package: the partner's page of it, titled with the package's title.
// Escape goes back as the back button does, wherever the focus is on it (inside the page too).
//   required tvPackage: the package (a tvPackage; "package" is a reserved word); signal connect(): a connect control of the page was used
NavigationPage {
    id: view

    required property tvPackage tvPackage
    readonly property Item pageView: loader.item as Item

    signal connect()

    title: view.tvPackage.title

    Keys.onEscapePressed: event => {
        event.accepted = view.canGoBack && T.StackView.status === T.StackView.Active
        if (event.accepted)
            view.pop()
    }

    Loader {
        id: loader

        anchors.fill: parent
        // By address: the web engine loads with the first partner page, not with the app.
        Component.onCompleted: setSource(Qt.resolvedUrl("Branded24TVPackageWebView.qml"), { packageID: view.tvPackage.id })
    }
    Connections {
        target: loader.item
        function onConnect() {
            view.connect()
        }
    }
}
