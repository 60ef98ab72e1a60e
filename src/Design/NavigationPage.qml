import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// A screen inside a NavigationStack: the inline bar (title, back button, bar items) over its
// content; `color` (or a replaced `background`) fills the whole page, under the bar too.
// Presentation.dismiss() from inside a pushed page goes back; from the root page it reaches
// whatever presents the stack (a sheet).
//   title: string; color (Theme.systemBackground); leadingItems, trailingItems: list<Item>
//   navigationBarHidden: bool; backButtonHidden: bool
//   push(page or component, properties) and pop(): the enclosing stack's, for convenience
T.Page {
    id: page

    property color color: Theme.systemBackground
    property list<Item> leadingItems
    property list<Item> trailingItems
    property bool navigationBarHidden: false
    property bool backButtonHidden: false
    readonly property bool canGoBack: T.StackView.index > 0

    function push(item, properties) {
        return T.StackView.view.push(item, properties ?? {})
    }

    function pop() {
        return T.StackView.view.pop()
    }

    Presentation.host: canGoBack
    Presentation.onDismissRequested: T.StackView.view.pop(T.StackView.view.get(T.StackView.index - 1))
    // A page is a tab of its stack named by its title; one without a title only holds its content.
    Accessible.ignored: title.length === 0

    background: Rectangle {
        color: page.color
    }

    header: NavigationBar {
        visible: !page.navigationBarHidden
        title: page.title
        showsBackButton: page.canGoBack && !page.backButtonHidden
        leadingItems: page.leadingItems
        trailingItems: page.trailingItems
        onBackClicked: page.pop()
    }
}
