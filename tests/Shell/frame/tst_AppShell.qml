import QtQuick
import QtTest
import Tarvik.Design
import Tarvik.Shell

Item {
    id: root
    width: 393
    height: 852

    Component {
        id: shellComponent
        AppShell { anchors.fill: parent }
    }

    Component {
        id: detailPage
        NavigationPage { title: "Детали" }
    }

    TestCase {
        name: "AppShell"
        when: windowShown

        function makeShell() {
            const shell = createTemporaryObject(shellComponent, root)
            verify(shell)
            return shell
        }

        function clickTab(shell, index) {
            mouseClick(findChild(shell, "tab" + index))
            compare(shell.selectedTab, index)
        }

        // The navigation stack a tab shows.
        function stackOf(shell, index) {
            const item = shell.tabItem(index)
            if (index === ShellTab.Home)
                return item.stack
            return index === ShellTab.Support ? item.item : item
        }

        function pushOn(stack, title) {
            stack.push(detailPage, { title: title })
            tryCompare(stack, "busy", false)
        }

        function test_startsOnHomeWithNoStory() {
            const shell = makeShell()
            compare(shell.selectedTab, ShellTab.Home)
            compare(shell.storyViewerPresented, false)
            compare(shell.storyViewer, null)
            verify(shell.tabItem(ShellTab.Home).visible)
            // The other tabs are built only when first shown.
            compare(shell.tabItem(ShellTab.Services), null)
            shell.selectedTab = ShellTab.Services
            verify(shell.tabItem(ShellTab.Services).visible)
            verify(!shell.tabItem(ShellTab.Home).visible)
            compare(stackOf(shell, ShellTab.Services).currentItem.title, "Сервисы")
        }

        function test_switchingTabsKeepsEachTabsScreens() {
            const shell = makeShell()
            pushOn(stackOf(shell, 0), "Главная, вглубь")
            for (let tab = 1; tab < 4; ++tab) {
                clickTab(shell, tab)
                pushOn(stackOf(shell, tab), "Вкладка " + tab)
            }
            clickTab(shell, 2)
            pushOn(stackOf(shell, 2), "Ещё глубже")
            for (let tab of [0, 1, 3, 2, 0]) {
                clickTab(shell, tab)
                for (let other = 0; other < 4; ++other)
                    compare(shell.tabItem(other).visible, other === tab)
            }
            compare(stackOf(shell, 0).depth, 2)
            compare(stackOf(shell, 0).currentItem.title, "Главная, вглубь")
            compare(stackOf(shell, 1).depth, 2)
            compare(stackOf(shell, 2).depth, 3)
            compare(stackOf(shell, 2).currentItem.title, "Ещё глубже")
            compare(stackOf(shell, 3).depth, 2)
        }

        // The support tab shares the shell's selected tab both ways.
        function test_supportTabSharesTheSelection() {
            const shell = makeShell()
            clickTab(shell, ShellTab.Support)
            const support = stackOf(shell, ShellTab.Support)
            compare(support.selectedTab, ShellTab.Support)
            support.selectedTab = ShellTab.Payments
            compare(shell.selectedTab, ShellTab.Payments)
            verify(shell.tabItem(ShellTab.Payments).visible)
            shell.selectedTab = ShellTab.Support
            compare(support.selectedTab, ShellTab.Support)
        }

        function test_storyOpensOverTheTabAndClosesBackToIt() {
            const shell = makeShell()
            clickTab(shell, 2)
            shell.openStory(2)
            const viewer = shell.storyViewer
            verify(viewer)
            compare(viewer.controller.selection, 2)
            compare(viewer.controller.current.title, "Быстрый интернет")
            tryCompare(viewer.parent, "opacity", 1)

            viewer.controller.toggleLike()
            mouseClick(findChild(viewer, "closeStoriesButton"))
            compare(shell.storyViewerPresented, false)
            tryCompare(shell, "storyViewer", null)
            compare(shell.selectedTab, 2)
            compare(shell.selectedStoryIndex, 2)
            verify(shell.tabItem(2).visible)

            // A fresh viewer: at the index given now, and without the earlier like.
            shell.openStory(2)
            verify(!shell.storyViewer.controller.currentLiked)
            shell.closeStory()
            shell.openStory(0)
            compare(shell.storyViewer.controller.selection, 0)
            compare(shell.storyViewer.controller.current.title, "Приведи друга")
        }

        // Opening again while the last viewer is still fading out starts a new one.
        function test_reopenDuringFadeOut() {
            const shell = makeShell()
            shell.openStory(1)
            tryCompare(shell.storyViewer.parent, "opacity", 1)
            shell.closeStory()
            shell.openStory(3)
            verify(shell.storyViewer)
            verify(!shell.storyViewer.controller.closed)
            compare(shell.storyViewer.controller.selection, 3)
            tryCompare(shell.storyViewer.parent, "opacity", 1)
            compare(shell.storyViewerPresented, true)
        }

        // The home dashboard's open-story signal reaches the shell.
        function test_homeOpensAStory() {
            const shell = makeShell()
            compare(shell.tabItem(0).stories.length, 4)
            shell.tabItem(0).openStory(1)
            verify(shell.storyViewerPresented)
            compare(shell.storyViewer.controller.current.title, "24ТВ")
        }
    }
}
