pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tarvik.Platform
import Tarvik.Design
import Tarvik.Shop

// The shop's entrance: the dark header with the cart button and its badge, the search, and the
// catalog in two columns. Pulling the list down (or showing the screen) refreshes the catalog.
DetailPage {
    id: screen

    property var products: ShopCatalog.products()
    property bool isRefreshing: false
    property string searchText: ""
    readonly property var filteredProducts: ShopCatalog.filtered(products, searchText)
    // The pull's refresh indicator stays while this is true.
    property bool pullRefreshing: false

    function refreshCatalog() {
        if (isRefreshing)
            return false
        isRefreshing = true
        refreshWait.restart()
        return true
    }

    function openCart() {
        screen.push(cartPage)
    }

    function openProduct(product) {
        screen.push(productPage, { product: product })
    }

    title: "TarvikShop"

    // Each time the screen shows, also when the user comes back to it.
    T.StackView.onActivated: refreshCatalog()

    Timer {
        id: refreshWait
        interval: 200
        onTriggered: {
            // An unchanged catalog keeps its cards (and their states) as they are.
            const fresh = ShopCatalog.products()
            if (!ShopCatalog.sameProducts(screen.products, fresh))
                screen.products = fresh
            screen.isRefreshing = false
            screen.pullRefreshing = false
        }
    }

    Connections {
        target: screen.flickable
        function onDraggingChanged() {
            if (!screen.flickable.dragging && screen.flickable.verticalOvershoot < -72) {
                screen.pullRefreshing = true
                if (!screen.refreshCatalog() && !screen.isRefreshing)
                    screen.pullRefreshing = false
            }
        }
    }

    Component {
        id: cartPage
        TarvikShopCartView {}
    }

    Component {
        id: productPage
        TarvikShopProductView {}
    }

    ActivityIndicator {
        Layout.alignment: Qt.AlignHCenter
        visible: screen.pullRefreshing
        color: Theme.secondaryLabel
    }

    // Header card.
    Rectangle {
        Layout.fillWidth: true
        Layout.bottomMargin: 2
        implicitHeight: headerRow.implicitHeight + 36
        radius: 26
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.black }
            GradientStop { position: 1; color: Qt.rgba(0.08, 0.08, 0.10, 1) }
        }

        RowLayout {
            id: headerRow

            x: 18
            y: 18
            width: parent.width - 36
            spacing: 16

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: 8

                StyledText {
                    text: "TarvikShop"
                    size: 30
                    weight: Font.Black
                    rounded: true
                    tracking: -0.6
                    color: Theme.white
                    // The screen's heading says it.
                    Accessible.ignored: true
                }
                StyledText {
                    Layout.fillWidth: true
                    text: "Проверенное оборудование для интернета и телевидения Tarvik."
                    textStyle: Theme.Subheadline
                    weight: Font.Medium
                    color: Theme.withOpacity(Theme.white, 0.64)
                    wrapMode: Text.Wrap
                }
            }

            TarvikButton {
                objectName: "cartButton"
                Layout.alignment: Qt.AlignTop
                Layout.leftMargin: 4
                buttonStyle: TarvikButton.Plain
                padding: 0
                text: ShopCart.itemCount > 0 ? "Корзина, товаров: " + ShopCart.itemCount : "Корзина пуста" // qmllint disable type
                onClicked: screen.openCart()

                contentItem: Item {
                    implicitWidth: 48
                    implicitHeight: 48

                    Rectangle {
                        anchors.fill: parent
                        radius: 16
                        color: Theme.withOpacity(Theme.white, 0.14)

                        SymbolImage {
                            anchors.centerIn: parent
                            name: "cart.fill"
                            size: Theme.textStyleSize(Theme.Headline)
                            color: Theme.white
                        }
                    }

                    Rectangle {
                        objectName: "cartBadge"
                        visible: ShopCart.itemCount >= 1 // qmllint disable type
                        x: parent.width - width + 5
                        y: -5
                        width: Math.max(20, badgeText.implicitWidth + 8)
                        height: Math.max(20, badgeText.implicitHeight)
                        radius: height / 2
                        color: Theme.tarPink

                        StyledText {
                            id: badgeText
                            objectName: "cartBadgeText"
                            anchors.centerIn: parent
                            text: String(ShopCart.itemCount) // qmllint disable type
                            textStyle: Theme.Caption2
                            weight: Font.Bold
                            color: Theme.white
                        }
                    }
                }
            }
        }
    }

    // Search field.
    Rectangle {
        Layout.fillWidth: true
        implicitHeight: 50
        radius: 18
        color: Theme.white

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 15
            anchors.rightMargin: 15
            spacing: 10

            SymbolImage {
                name: "magnifyingglass"
                color: Theme.secondaryLabel
                Accessible.ignored: true
            }

            TarvikTextField {
                id: searchField
                objectName: "searchField"
                Layout.fillWidth: true
                implicitHeight: 50
                outlined: false
                fillColor: "transparent"
                leftPadding: 0
                rightPadding: 0
                placeholderText: "Найти роутер, приставку или терминал"
                inputMethodHints: Qt.ImhNoAutoUppercase
                EnterKey.type: Qt.EnterKeySearch
                text: screen.searchText
                onTextChanged: screen.searchText = text
            }

            SymbolButton {
                objectName: "clearSearch"
                visible: screen.searchText.length > 0
                implicitWidth: 30
                buttonStyle: TarvikButton.Plain
                symbol: "xmark.circle.fill"
                text: "Очистить поиск"
                color: Theme.secondaryLabel
                onClicked: screen.searchText = ""
            }
        }
    }

    // Catalog heading.
    RowLayout {
        Layout.fillWidth: true

        StyledText {
            text: "Каталог"
            size: 23
            weight: Font.Bold
            rounded: true
            tracking: -0.35
        }
        Item { Layout.fillWidth: true }
        StyledText {
            objectName: "productCount"
            text: RussianPlural.count(screen.filteredProducts.length, "товар", "товара", "товаров")
            textStyle: Theme.Subheadline
            color: Theme.secondaryLabel
        }
    }

    EmptyState {
        objectName: "noResults"
        visible: screen.filteredProducts.length === 0
        Layout.fillWidth: true
        verticalPadding: 34
        symbol: "magnifyingglass"
        title: "Ничего не найдено"
        message: "Попробуйте изменить поисковый запрос."
    }

    GridLayout {
        objectName: "productGrid"
        visible: screen.filteredProducts.length > 0
        Layout.fillWidth: true
        columns: 2
        columnSpacing: 12
        rowSpacing: 12

        Repeater {
            model: screen.filteredProducts

            TarvikShopProductCard {
                required property var modelData
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                product: modelData
                onOpened: screen.openProduct(modelData)
            }
        }
    }
}
