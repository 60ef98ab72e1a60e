import QtQuick
import QtQuick.Layouts
import Tarvik.Design

// The checkout sheet: the payment service's page in the payment web view, an overlay while a page
// loads, and a failure card with "Повторить" when a page cannot be loaded or a bank app cannot be
// opened. It never learns how the payment went; its presenter refreshes the account once it closes.
// Presented as a Sheet's content by PaymentMethodsView.
//   required url: the checkout page; loadTimeout: ms a page may take (45 s)
//   readonly isLoading: bool; readonly errorMessage: string ("" while none); retry()
NavigationStack {
    id: view

    required property url url
    property int loadTimeout: 45000
    // Identity of the web view: a new value builds a new one, with no page and no history.
    property int reloadID: 0
    // The PaymentWebView of the moment (loaded by address: see the loader).
    readonly property var currentWebView: webViewLoader.item
    readonly property bool isLoading: currentWebView ? currentWebView.isLoading : true
    readonly property string errorMessage: currentWebView ? currentWebView.errorMessage : ""
    // The web engine's view of the page (for tests).
    readonly property Item webView: currentWebView ? currentWebView.webView : null

    // "Повторить": the new view starts loading, with no failure, from the checkout page.
    function retry() {
        reloadID += 1
    }

    initialItem: NavigationPage {
        title: "Оплата"
        color: Theme.systemBackground
        leadingItems: [
            CloseBarButton {}
        ]

        Loader {
            id: webViewLoader

            function build() {
                // By address, so that the web engine's types load with the first checkout, not
                // with every screen that can lead to one.
                setSource(Qt.resolvedUrl("PaymentWebView.qml"), { url: view.url, loadTimeout: view.loadTimeout })
            }

            anchors.fill: parent
            Component.onCompleted: build()
            Connections {
                target: view
                function onReloadIDChanged() {
                    webViewLoader.source = ""
                    webViewLoader.build()
                }
            }
        }

        MaterialCard {
            objectName: "loadingOverlay"
            anchors.centerIn: parent
            backdrop: webViewLoader
            visible: view.isLoading
            padding: 20

            contentItem: ColumnLayout {
                spacing: 8

                ActivityIndicator {
                    Layout.alignment: Qt.AlignHCenter
                    running: view.isLoading
                }

                StyledText {
                    text: "Загружаем оплату…"
                    color: Theme.secondaryLabel
                }
            }
        }

        LoadFailureCard {
            backdrop: webViewLoader
            message: view.errorMessage
            onRetry: view.retry()
        }
    }
}
