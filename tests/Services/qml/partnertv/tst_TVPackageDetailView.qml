import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Services
import TarvikTest
import "../../../common/qml/finder.js" as Finder

// The package detail screen: its channels with search and empty states, the logo tiles (one logo
// missing on the stand-in), the connect button's paths, and the package card.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: stackComponent
        NavigationStack {
            anchors.fill: parent
        }
    }
    Component {
        id: detailComponent
        TVPackageDetailView {}
    }
    Component {
        id: cardComponent
        Rectangle {
            anchors.fill: parent
            color: Theme.tarPaper
            property alias main: mainCard
            property alias addon: addonCard
            TVPackageCard {
                id: mainCard
                x: 20
                y: 60
                width: parent.width - 40
                tvPackage: TVPackageCatalog.mainCatalog[3]
            }
            TVPackageCard {
                id: addonCard
                x: 20
                y: mainCard.y + mainCard.height + 20
                width: parent.width - 40
                tvPackage: TVPackageCatalog.additionalCatalog[0]
            }
        }
    }

    TestCase {
        name: "TVPackageDetailView"
        when: windowShown

        property var view: null

        function open(tvPackage) {
            const stack = createTemporaryObject(stackComponent, root)
            stack.push(detailComponent, { tvPackage: tvPackage })
            view = stack.currentItem
            tryCompare(stack, "busy", false)
            return view
        }
        function packageWithId(id) {
            return TVPackageCatalog.lkCandidates.find(p => p.id === id)
        }
        function count() {
            return Finder.find(view, "channelCount").text
        }
        function search(text) {
            view.search = text
        }
        function emptyTitle() {
            const state = Finder.find(view, "emptyState")
            return state && state.visible ? Finder.find(view, "emptyStateTitle").text : ""
        }

        function test_oneChannelPackageShowsItsMissingLogoAsTheSymbol() {
            open(packageWithId("7"))
            compare(count(), "1")
            verify(Finder.find(view, "searchRow").visible)
            verify(Finder.find(view, "sourceNote").visible)
            compare(view.grid.count, 1)
            const card = Finder.find(view.grid.contentItem, c => c.logoStatus !== undefined)
            compare(card.name, "МАТЧ Премьер HD")
            verify(card.logo.indexOf(Standin.missingLogoPath) > 0)
            tryCompare(card, "logoStatus", Image.Error, 15000)
            compare(emptyTitle(), "")
            Finder.shoot(this, root, "partnertv-detail-missing-logo", Standin)
        }

        function test_onlineCinemaPackage_data() {
            return [{ tag: "373", id: "373" }, { tag: "516", id: "516" }]
        }

        function test_onlineCinemaPackage(data) {
            open(packageWithId(data.id))
            compare(count(), "0")
            verify(!Finder.find(view, "searchRow").visible)
            verify(!Finder.find(view, "sourceNote").visible)
            compare(emptyTitle(), "Онлайн-кинотеатр")
            compare(Finder.find(view, "emptyStateSymbol").name, "film.stack")
            Finder.shoot(this, root, "partnertv-detail-cinema", Standin)
        }

        function test_search_data() {
            return [
                { tag: "lower case", id: "4", query: "матч", shown: 6 },
                { tag: "HD", id: "4", query: "HD", shown: 3 },
                { tag: "only spaces", id: "4", query: "   ", shown: 6 },
                { tag: "ё typed", id: "334", query: "весёл", shown: 1 },
                { tag: "е is not ё", id: "334", query: "весел", shown: 0 },
                { tag: "repeats stay", id: "290", query: "viju+ sport", shown: 2 }
            ]
        }

        function test_search(data) {
            open(packageWithId(data.id))
            search(data.query)
            compare(count(), String(data.shown))
            compare(view.grid.count, data.shown)
            verify(Finder.find(view, "clearSearchButton").visible)
        }

        function test_noMatchThenClear() {
            open(packageWithId("290"))
            compare(count(), "15")
            search("нет такого")
            compare(count(), "0")
            compare(emptyTitle(), "Канал не найден")
            compare(Finder.find(view, "emptyStateSymbol").name, "tv.slash")
            Finder.shoot(this, root, "partnertv-detail-not-found", Standin)
            mouseClick(Finder.find(view, "clearSearchButton"))
            compare(view.search, "")
            compare(count(), "15")
            compare(emptyTitle(), "")
        }

        function test_gridIsVirtualised() {
            open(packageWithId("334"))
            compare(count(), "491")
            compare(view.grid.count, 491)
            const built = []
            Finder.find(view.grid.contentItem, c => { if (c.logoStatus !== undefined) built.push(c); return false })
            verify(built.length > 0 && built.length < 100, "tiles built: " + built.length)
            // The picture shows every logo of the first screen, the slow one included.
            tryVerify(() => built.every(c => c.logoStatus === Image.Ready || c.logoStatus === Image.Error), 15000)
            Finder.shoot(this, root, "partnertv-detail-grid", Standin)
        }

        function test_freePackageWatchesAtOnce() {
            open(packageWithId("0"))
            const button = Finder.find(view, "connectButton")
            compare(button.title, "Смотреть")
            mouseClick(button)
            verify(view.request.confirmed)
            verify(!view.request.sending)
        }

        function test_paidPackageSendsThenConfirms() {
            open(packageWithId("113"))
            const button = Finder.find(view, "connectButton")
            compare(button.title, "Подключить")
            mouseClick(button)
            verify(view.request.sending)
            compare(button.title, "Отправляем…")
            compare(button.icon, "hourglass")
            verify(!button.enabled)
            tryVerify(() => view.request.confirmed)
            verify(!view.request.sending)
            const sheet = Finder.find(view, "confirmationSheet")
            tryVerify(() => sheet.item !== null)
            tryCompare(sheet, "slide", 0)
            compare(sheet.item.message, "Специалист Tarvik свяжется с вами и подтвердит подключение подписки «Кино и сериалы».")
            Finder.shoot(this, root, "partnertv-detail-confirmed", Standin)
        }

        // Only "0 ₽" with its space watches at once: "0₽" is sent like a paid package.
        function test_priceWithoutSpaceTakesTheSendingPath() {
            const tvPackage = packageWithId("0")
            tvPackage.price = "0₽"
            open(tvPackage)
            const button = Finder.find(view, "connectButton")
            compare(button.title, "Подключить")
            mouseClick(button)
            verify(view.request.sending)
            verify(!view.request.confirmed)
            compare(button.title, "Отправляем…")
            tryVerify(() => view.request.confirmed)
            verify(!view.request.sending)
        }

        // Texts of a package card, each whole (none cut) and inside the card's 20-point inset.
        function checkCard(card) {
            verify(card.height >= 156)
            const texts = []
            Finder.find(card, c => { if (c.truncated !== undefined && c.visible && c.text.length > 0) texts.push(c); return false })
            verify(texts.length >= 4, "texts: " + texts.length)
            const whole = text => {
                const edges = text.mapToItem(card, 0, 0, text.width, text.height)
                return !text.truncated && edges.x >= 20 - 0.5 && edges.x + Math.min(text.width, text.contentWidth) <= card.width - 20 + 0.5
                    && edges.y + text.height <= card.height - 20 + 0.5
            }
            // Once laid out (the description wraps at the card's width).
            tryVerify(() => texts.every(whole), 5000, texts.filter(text => !whole(text)).map(text => text.text).join(", "))
            return texts.map(text => text.text)
        }

        function test_packageCards() {
            const cards = createTemporaryObject(cardComponent, root)
            const main = TVPackageCatalog.mainCatalog[3]
            const shown = checkCard(cards.main)
            for (const part of [main.title, main.description, main.channelCount, main.price])
                verify(shown.indexOf(part) >= 0, part)
            checkCard(cards.addon)
            Finder.shoot(this, root, "partnertv-package-cards", Standin)
            // A long description grows the card; nothing of it is cut.
            const wordy = TVPackageCatalog.additionalCatalog[0]
            wordy.description = "Фильмы, сериалы и передачи для всей семьи. ".repeat(6)
            const before = cards.addon.height
            cards.addon.tvPackage = wordy
            tryVerify(() => cards.addon.height > before)
            verify(checkCard(cards.addon).indexOf(wordy.description) >= 0)
        }
    }
}
