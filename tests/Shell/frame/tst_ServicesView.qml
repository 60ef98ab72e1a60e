import QtQuick
import QtTest
import Tarvik.Shell

Item {
    id: root
    width: 393
    height: 852

    Component {
        id: servicesComponent
        ServicesView { anchors.fill: parent }
    }

    TestCase {
        name: "ServicesView"
        when: windowShown

        function makeView() {
            const view = createTemporaryObject(servicesComponent, root)
            verify(view)
            waitForRendering(view)
            return view
        }

        function visibleChildren(item, name) {
            const found = []
            const walk = node => {
                for (let i = 0; i < node.children.length; ++i) {
                    const child = node.children[i]
                    if (child.objectName === name && child.visible)
                        found.push(child)
                    walk(child)
                }
            }
            walk(item)
            return found
        }

        function rowTitles(view) {
            return visibleChildren(view, "serviceRow").map(row => row.title)
        }

        // Types into the search field: keys for Latin text and digits; Cyrillic goes in the way an
        // input method commits it.
        function type(view, text) {
            const field = findChild(view, "serviceSearchField")
            mouseClick(field)
            verify(field.activeFocus)
            if (/^[ -~]*$/.test(text)) {
                for (let i = 0; i < text.length; ++i)
                    keyClick(text[i])
            } else {
                field.insert(field.cursorPosition, text)
            }
            return field
        }

        function test_typingFiltersAndClearRestores() {
            const view = makeView()
            compare(visibleChildren(view, "serviceGroup").length, 4)
            verify(!findChild(view, "clearSearchButton").visible)
            type(view, "блок")
            compare(rowTitles(view), ["Добровольная блокировка"])
            compare(visibleChildren(view, "serviceGroup").length, 1)
            const clear = findChild(view, "clearSearchButton")
            verify(clear.visible)
            mouseClick(clear)
            compare(view.hub.searchText, "")
            compare(findChild(view, "serviceSearchField").text, "")
            verify(!clear.visible)
            compare(rowTitles(view).length, 10)
        }

        function cleanup() {
            root.width = 393
        }

        function test_noMatchShowsOnlyTheEmptyState() {
            const view = makeView()
            type(view, "роуминг")
            const state = findChild(view, "servicesEmptyState")
            verify(state.visible)
            compare(visibleChildren(view, "serviceGroup").length, 0)
            verify(findChild(view, "serviceSearchField").visible)

            // On a narrow screen the hint wraps rather than run past the screen's edges.
            root.width = 160
            tryVerify(() => state.messageLabel.lineCount > 1)
            const hint = state.messageLabel.mapToItem(view, 0, 0, state.messageLabel.width, state.messageLabel.height)
            verify(hint.x >= 0 && hint.x + hint.width <= view.width, JSON.stringify(hint))
        }

        // Dividers sit between rows only: none after a card's last row, none in a card of one.
        function test_dividersBetweenRowsOnly() {
            const view = makeView()
            const groups = visibleChildren(view, "serviceGroup")
            compare(groups.map(group => visibleChildren(group, "serviceDivider").length), [2, 4, 0, 0])
            type(view, "500")
            compare(visibleChildren(view, "serviceGroup").map(group => visibleChildren(group, "serviceDivider").length), [0, 0])
        }

        // A row opens what the router picks for its id (every row: tst_serviceshub).
        function test_rowOpensItsDestination_data() {
            return ["Мой тариф", "Статистика"].map(title => ({ tag: title, title: title }))
        }
        function test_rowOpensItsDestination(data) {
            const view = makeView()
            const row = visibleChildren(view, "serviceRow").find(row => row.title === data.title)
            verify(row)
            mouseClick(row)
            tryCompare(view, "depth", 2)
            tryCompare(view, "busy", false)
            // The screen the registry holds for the row, whatever it is now.
            const item = view.hub.primaryItems.concat(view.hub.serviceItems).find(item => item.title === data.title)
            const expected = createTemporaryObject(Qt.createComponent(Destinations[ServiceRouter.entry(item.id)]), root)
            compare(view.currentItem.title, expected.title)
            verify(view.currentItem.canGoBack)
        }

        // A screen that links to another section's is given that section's entry: the intercom's
        // extra-key card opens the shop of the table.
        function test_rowOpensItsLinks() {
            const view = makeView()
            const row = visibleChildren(view, "serviceRow").find(row => row.title === "Умный домофон")
            verify(row)
            mouseClick(row)
            tryCompare(view, "depth", 2)
            tryCompare(view, "busy", false)
            compare(view.currentItem.title, "Умный домофон")
            compare(view.currentItem.shopDestination, Destinations.shop)
        }

        // A row goes by its id: renamed, it opens the same screen; with an id of no screen of its
        // own, the generic card.
        function test_rowsGoByTheirIds_data() {
            return [
                { tag: "renamed", id: "myTariff", title: "мой тариф", screen: "TariffManagementView" },
                { tag: "an id of no screen", id: "antivirus", title: "Мой тариф", screen: "HomeServiceDetailView" },
            ]
        }
        function test_rowsGoByTheirIds(data) {
            const view = makeView()
            const item = view.hub.primaryItems[0]
            item.id = data.id
            item.title = data.title
            view.currentItem.open(item)
            tryCompare(view, "depth", 2)
            tryCompare(view, "busy", false)
            verify(String(view.currentItem).startsWith(data.screen), String(view.currentItem))
            if (data.screen !== "HomeServiceDetailView")
                return
            compare(view.currentItem.title, data.title)
            compare(view.currentItem.subtitle, "Управление услугой Tarvik")
            compare(view.currentItem.icon, "wifi")
        }
    }
}
