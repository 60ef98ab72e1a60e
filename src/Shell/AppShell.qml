import QtQuick
import Tarvik.Design
import Tarvik.Shell

// The signed-in app: the four tabs "Главная", "Оплата", "Сервисы" and "Поддержка", each keeping
// its own screens while another tab shows, and the story viewer laid over them. It owns the
// promotional stories; openStory(index) shows them from that story on. No inputs: the sign-in
// flag is the stored preference the screens inside clear.
//   selectedTab: ShellTab (ShellTab.Home first); readonly stories; openStory(index), closeStory()
//   tabItem(tab)
//   readonly storyViewer; storyViewerPresented, selectedStoryIndex: read-only in practice
Item {
    id: shell

    property int selectedTab: ShellTab.Home
    property bool storyViewerPresented: false
    property int selectedStoryIndex: 0
    readonly property var stories: StoryCatalog.promotionalStories()
    // In ShellTab's order, as the tabs' screens below.
    readonly property var tabs: [
        { title: "Главная", symbol: "house.fill" },
        { title: "Оплата", symbol: "wallet.bifold.fill" },
        { title: "Сервисы", symbol: "square.grid.2x2.fill" },
        { title: "Поддержка", symbol: "message.fill" }
    ]
    // The open story viewer, if any.
    readonly property alias storyViewer: viewerLoader.item
    // Screens not on the first frame are given by address: they are compiled when first shown.
    readonly property string storyViewerSource: "qrc:/qt/qml/Tarvik/Shell/StoryViewer.qml"
    readonly property string servicesTab: "qrc:/qt/qml/Tarvik/Shell/ServicesView.qml"

    // The root item of a tab once it has been shown.
    function tabItem(tab) {
        return pages.itemAt(tab) ? (pages.itemAt(tab) as Loader).item : null
    }

    // The index is not checked here: the viewer clamps it.
    function openStory(index) {
        selectedStoryIndex = index
        // A viewer still fading out is done; the story opens in a fresh one. An open one turns
        // to the story.
        if (storyViewerPresented && viewerLoader.item)
            viewerLoader.item.initialIndex = index
        else
            viewerLoader.setSource(storyViewerSource, { stories: shell.stories, initialIndex: index })
        viewerLoader.active = true
        storyViewerPresented = true
    }

    function closeStory() {
        storyViewerPresented = false
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.tarPaper
    }

    Item {
        id: content

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: tabBar.tucked ? parent.bottom : tabBar.top

        Repeater {
            id: pages

            model: [homeTab, Destinations.paymentsTab, shell.servicesTab, supportTab]

            // A tab is built the first time it shows and then kept, with whatever it has pushed; a
            // tab given by address is compiled then too.
            Loader {
                required property var modelData
                required property int index
                readonly property bool current: index === shell.selectedTab // qmllint disable unqualified
                property bool built: false

                anchors.fill: parent
                active: current || built
                visible: current
                sourceComponent: typeof modelData === "string" ? undefined : modelData
                source: typeof modelData === "string" && active ? modelData : ""
                onLoaded: built = true
            }
        }
    }

    ShellTabBar {
        id: tabBar

        // Under the keyboard, as on a phone: while a field is edited the screen keeps the room, and
        // the bar waits just below the shell's end, out of sight (the window ends the screens
        // there) but still in the Tab order: Tab and Shift+Tab reach it from the field next to it,
        // which ends the editing and brings it back.
        readonly property bool tucked: TextEditing.keyboardHeight > 0

        anchors.left: parent.left
        anchors.right: parent.right
        y: tucked ? parent.height : parent.height - height
        tabs: shell.tabs
        currentIndex: shell.selectedTab
        onTabClicked: index => shell.selectedTab = index
    }

    Loader {
        id: viewerLoader

        anchors.fill: parent
        z: 100
        active: false
        visible: opacity > 0
        opacity: shell.storyViewerPresented ? 1 : 0
        onOpacityChanged: if (opacity === 0 && !shell.storyViewerPresented) active = false

        Behavior on opacity {
            NumberAnimation { duration: 160; easing.type: Easing.OutQuad }
        }

        Connections {
            target: viewerLoader.item
            function onDismiss() {
                shell.closeStory()
            }
        }
    }

    Component {
        id: homeTab

        HomeView {
            stories: shell.stories // qmllint disable unqualified
            onOpenStory: index => shell.openStory(index)
        }
    }

    Component {
        id: supportTab

        Loader {
            id: support

            sourceComponent: Destinations.supportTab

            // The support screen may switch tabs: its selected tab and the shell's are one.
            Binding {
                target: support.item
                property: "selectedTab"
                value: shell.selectedTab // qmllint disable unqualified
                when: support.item !== null
            }
            Connections {
                target: support.item
                function onSelectedTabChanged() {
                    shell.selectedTab = support.item.selectedTab // qmllint disable unqualified
                }
            }
        }
    }
}
