import QtQuick
import QtTest
import Tarvik.Platform
import Tarvik.Account
import Tarvik.Design
import Tarvik.Shell
import TarvikTest

// The home dashboard over the real store and the stand-in: its load on appearance, the header,
// the carousels and every link.
Item {
    id: root
    width: 393
    height: 852

    // As the app's window has one: the focus scrolls what it lands on into view.
    FocusScroller {}

    // As the app's window has one: the keyboard's focus is ringed, and a strip shows the page that
    // has it. A new one for each test, which starts with the keyboard not yet used.
    Component {
        id: keeperComponent

        FocusKeeper {}
    }

    Component {
        id: homeComponent

        HomeView {
            width: root.width
            height: root.height
        }
    }

    SignalSpy {
        id: sessionEnded
        target: AccountStore
        signalName: "sessionEnded"
    }

    StoredPreference {
        id: unreadIds
        key: "tarvikUnreadNotificationIDs"
    }

    TestCase {
        name: "HomeView"
        when: windowShown

        property var home

        function init() {
            Standin.reset()
            sessionEnded.clear()
            verify(createTemporaryObject(keeperComponent, root))
            home = createTemporaryObject(homeComponent, root)
            verify(home)
            tryCompare(home, "onScreen", true)
        }

        // Items of the dashboard, of its pages and sheets (those live in the window's overlay).
        function part(name) {
            const found = findChild(root.parent, name)
            verify(found, name)
            return found
        }

        function carousel(name) {
            const strip = part(name)
            // Tests turn the strips themselves.
            strip.running = false
            return strip
        }

        // Scrolls the sheet until `item` is inside the window, so that a click reaches it.
        function reveal(item) {
            const sheet = part("homeSheet")
            const top = item.mapToItem(sheet.contentItem, 0, 0).y
            sheet.contentY = Math.max(0, Math.min(sheet.contentHeight - sheet.height, top - 40))
            wait(0)
        }

        // Where the strip's content stands when `index` is shown.
        function pagePosition(strip, index) {
            const shown = strip.view.itemAtIndex(strip.currentIndex)
            return shown.x + (index - strip.currentIndex) * strip.view.width
        }

        // The bell shows what the stored unread ids give (the rules: tst_homedashboard), and follows
        // a change of them.
        function test_bell_data() {
            return [
                { tag: "default", stored: undefined, symbol: "bell.badge.fill", text: "2", name: "Есть новые уведомления" },
                { tag: "empty", stored: "", symbol: "bell.fill", text: "0", name: "Уведомления" },
                // What the inbox keeps: stray commas and pieces that are no id count for nothing.
                { tag: "comma", stored: ",", symbol: "bell.fill", text: "0", name: "Уведомления" },
                { tag: "3", stored: "3", symbol: "bell.badge.fill", text: "1", name: "Есть новые уведомления" },
                { tag: "junk", stored: " 1,x,,2,", symbol: "bell.badge.fill", text: "1", name: "Есть новые уведомления" },
            ]
        }

        function test_bell(data) {
            if (data.stored !== undefined)
                unreadIds.value = data.stored
            compare(part("bellSymbol").name, data.symbol)
            compare(part("bellText").text, data.text)
            compare(part("bellLink").Accessible.name, data.name)
        }

        function test_greetingFollowsTheAccount() {
            compare(part("greeting").text, "Привет, Анна 👋")
            compare(part("avatarLetter").text, "А")
            verify(part("avatarLetter").visible)
            // A signed-out store shows the placeholder account's name.
            Standin.signOutStore()
            compare(part("greeting").text, "Привет, Абонент 👋")
            compare(part("avatarLetter").text, "А")
        }

        function test_searchFieldOnlyKeepsItsText() {
            const clear = part("homeSearchClear")
            verify(!clear.visible)
            mouseClick(part("homeSearchField"))
            keyClick("w")
            keyClick("i")
            compare(home.homeSearchQuery, "wi")
            verify(clear.visible)
            mouseClick(clear)
            compare(home.homeSearchQuery, "")
            verify(!clear.visible)
            compare([home.productCarouselIndex, home.partnerCarouselIndex, home.stack.depth], [500, 500, 1])
        }

        function test_balanceCard() {
            compare(part("productSubtitle").text, "1250,50 ₽")
            compare(part("productFootnote").text, "Дней до блокировки 18")
            const fill = part("progressFill")
            fuzzyCompare(fill.width / fill.parent.width, 18 / 30, 0.001)
            compare(part("tariffName").text, "Домашний Турбо")
        }

        function test_balanceCardOpensTheTopUp() {
            mouseClick(part("balanceCard"))
            verify(home.topUpPresented)
            const sheet = part("topUpSheet")
            tryVerify(() => sheet.item && sheet.item.item)
            compare(sheet.item.item.initialAmount, "")
            sheet.close()
            tryCompare(home, "topUpPresented", false)
        }

        // Both strips turn by themselves, each at its own pace, and the dots follow.
        function test_carouselsTurnByThemselves() {
            const products = part("productsCarousel")
            const partner = part("partnerCarousel")
            compare([products.interval, partner.interval], [5400, 4200])
            verify(products.running && partner.running)
            // Each strip stops at its own first turn, however late a loaded machine lets the test look.
            const firstTurns = {}
            const stopProducts = () => {
                products.running = false
                if (firstTurns.products === undefined)
                    firstTurns.products = home.productCarouselIndex
            }
            const stopPartner = () => {
                partner.running = false
                if (firstTurns.partner === undefined)
                    firstTurns.partner = home.partnerCarouselIndex
            }
            home.productCarouselIndexChanged.connect(stopProducts)
            home.partnerCarouselIndexChanged.connect(stopPartner)
            products.interval = 60
            partner.interval = 60
            tryVerify(() => firstTurns.products !== undefined && firstTurns.partner !== undefined)
            home.productCarouselIndexChanged.disconnect(stopProducts)
            home.partnerCarouselIndexChanged.disconnect(stopPartner)
            compare([firstTurns.products, firstTurns.partner], [501, 501])
            compare([home.productCarouselIndex, home.partnerCarouselIndex], [501, 501])
            tryCompare(products.view, "contentX", pagePosition(products, 501))
            tryCompare(findChild(products.parent, "dot1"), "width", 18)
            compare(findChild(products.parent, "dot0").width, 7)
        }

        // Whether the strip stands on a page: its content where the page shown begins.
        function aligned(strip) {
            const shown = strip.view.itemAtIndex(strip.currentIndex)
            return shown !== null && Math.abs(strip.view.contentX - shown.x) < 0.5
        }

        // A strip holds still while someone reads it: while one of its pages has the keyboard's
        // focus, or the pointer is over it; it turns on once either has left.
        function test_carouselHoldsStillWhileRead_data() {
            return [{ tag: "a page has the focus" }, { tag: "the pointer is over it" }]
        }

        function test_carouselHoldsStillWhileRead(data) {
            const products = part("productsCarousel")
            reveal(products)
            if (data.tag === "a page has the focus") {
                // Tab from the bell reaches the balance card.
                part("bellLink").forceActiveFocus(Qt.TabFocusReason)
                keyClick(Qt.Key_Tab)
                compare(root.Window.activeFocusItem.text, "Баланс")
            } else
                mouseMove(products, products.width / 2, products.height / 2)
            products.interval = 60
            verify(!products.turning)
            verify(aligned(products))
            const held = home.productCarouselIndex
            if (data.tag === "a page has the focus")
                part("homeSearchField").forceActiveFocus()
            else
                mouseMove(root, 5, 5)
            tryCompare(home, "productCarouselIndex", held + 1)
            tryVerify(() => aligned(products))
        }

        // A page that opened a screen or a sheet has the focus back when it closes, standing whole
        // in the strip. Reached by the keyboard it holds the strip still, as before; tapped, the
        // strip turns on for whoever uses the mouse.
        function test_carouselAfterAPageScreenCloses_data() {
            return [
                { tag: "tapped", keyboard: false, index: 501, link: "addAddressLink" },
                { tag: "reached by Tab, pressed by Space", keyboard: true, index: 501, link: "addAddressLink" },
                { tag: "the top-up sheet, tapped", keyboard: false, index: 500, link: "balanceCard" },
                { tag: "the top-up sheet, by the keyboard", keyboard: true, index: 500, link: "balanceCard" },
            ]
        }

        function test_carouselAfterAPageScreenCloses(data) {
            const products = part("productsCarousel")
            products.interval = 60
            products.running = false
            home.productCarouselIndex = data.index
            reveal(products)
            const page = shownLink("productsCarousel")
            compare(page.objectName, data.link)
            // The balance card is read and pressed as its button.
            const link = data.link === "balanceCard" ? Array.from(page.children).find(child => child.text === "Баланс") : page
            if (data.keyboard) {
                link.forceActiveFocus(Qt.TabFocusReason)
                keyClick(Qt.Key_Space)
            } else {
                mouseClick(link)
            }
            if (data.link === "balanceCard") {
                const sheet = part("topUpSheet")
                tryCompare(sheet, "opened", true)
                if (data.keyboard)
                    keyClick(Qt.Key_Escape)
                else
                    sheet.close()
                tryCompare(sheet, "visible", false)
            } else {
                tryCompare(home.stack, "depth", 2)
                home.stack.pop()
            }
            tryCompare(home, "onScreen", true)
            tryVerify(() => link.activeFocus)
            // Shown as focused again when the keyboard had brought the focus there.
            if (data.keyboard)
                tryVerify(() => link.visualFocus)
            verify(aligned(products))
            products.running = true
            compare(products.turning, !data.keyboard)
            if (!data.keyboard) {
                tryVerify(() => home.productCarouselIndex > data.index)
                tryVerify(() => aligned(products))
            }
        }

        function test_turnNearTheEnd_data() {
            return [
                { tag: "997 goes on", from: 997, to: 998, slideFrom: 997 },
                { tag: "998 jumps back", from: 998, to: 501, slideFrom: 500 },
                { tag: "999 jumps back", from: 999, to: 501, slideFrom: 500 },
            ]
        }

        // The jump back is instant; what moves on screen is one page's slide and nothing more.
        function test_turnNearTheEnd(data) {
            const strip = carousel("productsCarousel")
            home.productCarouselIndex = data.from
            tryCompare(strip.view, "contentX", pagePosition(strip, data.from))
            const start = pagePosition(strip, data.slideFrom)
            const end = pagePosition(strip, data.to)
            const seen = []
            const record = () => seen.push(strip.view.contentX)
            strip.view.contentXChanged.connect(record)
            strip.advance()
            compare(home.productCarouselIndex, data.to)
            tryCompare(strip.view, "contentX", end)
            strip.view.contentXChanged.disconnect(record)
            verify(seen.length > 2, "the page slides")
            // The first change may be the jump; every later position lies on the one slide.
            for (const x of seen.slice(1))
                verify(x >= start - 0.5 && x <= end + 0.5, "position " + x + " outside " + start + "…" + end)
        }

        function test_pagesAreBuiltOnlyNearTheView() {
            const strip = carousel("partnerCarousel")
            for (let i = 0; i < 6; ++i) {
                strip.advance()
                tryCompare(strip.view, "moving", false)
                wait(420)
            }
            compare(home.partnerCarouselIndex, 506)
            // The page shown alone, with neither the keyboard nor a screen reader in use; none of the
            // pages it turned past.
            const built = Array.from(strip.view.contentItem.children).filter(page => page.item !== null).map(page => page.index)
            compare(built, [506])
        }

        function test_swipeMovesOnePageAndTheTurnGoesOn() {
            const strip = carousel("productsCarousel")
            mouseDrag(strip, 300, 70, -220, 0, Qt.LeftButton, Qt.NoModifier, 10)
            tryCompare(home, "productCarouselIndex", 501)
            tryCompare(strip.view, "moving", false)
            strip.advance()
            compare(home.productCarouselIndex, 502)
        }

        // The link on the page a strip shows (its neighbours may be built too).
        function shownLink(stripName) {
            const strip = part(stripName)
            return strip.view.itemAtIndex(strip.currentIndex).item
        }

        function test_links_data() {
            return [
                { tag: "greeting", link: "profileLink", title: "Профиль" },
                { tag: "bell", link: "bellLink", title: "Уведомления" },
                { tag: "tariff card", link: "tariffLink", title: "", screen: "TariffManagementView" },
                { tag: "add-address card", strip: "productsCarousel", products: 501, title: "Добавить счёт" },
                { tag: "refer-a-friend banner", strip: "partnerCarousel", title: "Приведи друга" },
                { tag: "relocation banner", strip: "partnerCarousel", partner: 501, title: "Переезд" },
                { tag: "24ТВ card", link: "partnerCard24ТВ", title: "24ТВ" },
                { tag: "mobile card", link: "partnerCardМоб. связь", title: "Мобильная связь" },
                { tag: "shop card", link: "partnerCardShop", title: "TarvikShop" },
                { tag: "speed test tile", link: "hubTileSpeedtest", title: "Speedtest" },
                { tag: "services tile", link: "hubTileУслуги", title: "Ваши услуги" },
                { tag: "statistics tile", link: "hubTileСтатистика", title: "Статистика" },
                { tag: "support tile", link: "hubTileПоддержка", title: "Поддержка" },
            ]
        }

        // Every card and tile pushes its screen; while it covers the dashboard, the strips stand still.
        function test_links(data) {
            carousel("productsCarousel")
            carousel("partnerCarousel")
            if (data.products)
                home.productCarouselIndex = data.products
            if (data.partner)
                home.partnerCarouselIndex = data.partner
            wait(0)
            const link = data.strip ? shownLink(data.strip) : part(data.link)
            reveal(link)
            mouseClick(link)
            tryCompare(home.stack, "depth", 2)
            compare(home.stack.currentItem.title, data.title)
            if (data.screen)
                verify(String(home.stack.currentItem).startsWith(data.screen), String(home.stack.currentItem))
            verify(!home.onScreen)
            home.stack.pop()
            tryCompare(home, "onScreen", true)
        }

        function test_servicesTileListsTheHomeServices() {
            const link = part("hubTileУслуги")
            reveal(link)
            mouseClick(link)
            tryCompare(home.stack, "depth", 2)
            compare(home.stack.currentItem.services.map(s => s.title), ["24ТВ", "Кабельное телевидение", "Статический IP", "Антивирус"])
        }

        function test_placeholderAccountLoadsAndSignsOutWithoutCredentials() {
            Standin.signOutStore()
            sessionEnded.clear()
            const again = createTemporaryObject(homeComponent, root)
            tryCompare(sessionEnded, "count", 1)
            verify(again)
        }

        // Covered by a pushed screen the dashboard does not load; back on screen it does.
        function test_loadRunsAgainWhenTheDashboardComesBack() {
            home.open(Destinations.notifications, {})
            tryCompare(home.stack, "depth", 2)
            Standin.signOutStore()
            sessionEnded.clear()
            wait(50)
            compare(sessionEnded.count, 0)
            home.stack.pop()
            tryCompare(sessionEnded, "count", 1)
        }

        // Hidden behind another tab the dashboard does not load; shown again by a tab switch, it does.
        function test_loadRunsAgainWhenTheUserSwitchesBackToTheTab() {
            home.visible = false
            Standin.signOutStore()
            sessionEnded.clear()
            wait(50)
            compare(sessionEnded.count, 0)
            home.visible = true
            tryCompare(sessionEnded, "count", 1)
        }

        // The three partner cards are as tall as the tallest, so their titles and subtitles line up.
        function test_partnerCardsLineUp() {
            const cards = ["partnerCard24ТВ", "partnerCardМоб. связь", "partnerCardShop"].map(name => part(name))
            for (const card of cards) {
                compare(card.height, cards[0].height)
                compare(card.contentItem.height, cards[0].contentItem.height)
                compare(card.mapToItem(root, 0, card.height).y, cards[0].mapToItem(root, 0, cards[0].height).y)
            }
        }

        function test_profileSignsOut() {
            home.open(Destinations.profile, {})
            tryCompare(home.stack, "busy", false)
            mouseClick(part("signOutButton"))
            // It asks first.
            const alert = part("logoutAlert")
            tryCompare(alert, "opened", true)
            compare(sessionEnded.count, 0)
            alert.trigger(alert.buttons[1])
            tryCompare(sessionEnded, "count", 1)
            compare(AccountStore.account.accountNumber, "")
        }
    }
}
