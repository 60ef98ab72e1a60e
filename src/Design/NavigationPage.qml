import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// A screen inside a NavigationStack: the inline bar (title, back button, bar items) over its
// content; `color` (or a replaced `background`) fills the whole page, under the bar too.
// Presentation.dismiss() from inside a pushed page goes back; from the root page it reaches
// whatever presents the stack (a sheet). Each time it comes on screen (pushed, shown by its tab,
// with the app's screens) the focus moves to its heading, so that a screen reader starts there;
// a page a pop uncovers gives the focus back to what had it when it was covered (by the reason it
// had it: from the keyboard, it shows its focus again), or, when that has gone meanwhile, to the
// named control nearest to where it was. Shown in a sheet whose dialog it names, its
// title is read once, as the dialog's name: the bar's title is not a heading then, and the focus
// goes to the dialog.
//   readonly onScreen: shown, and no page pushed over it (a page outside any stack: shown). A page
//   presents a sheet or an alert of its own accord (after a wait) only while on screen, so that
//   nothing comes up over the screen that replaced it; an outcome held meanwhile shows on return.
//   title: string; color (Theme.systemBackground); leadingItems, trailingItems: list<Item>
//   navigationBarHidden: bool; backButtonHidden: bool
//   heading: Item — where the focus goes; the bar's title by default (the dialog it names), else
//   the page's first heading
//   push(page or component, properties) and pop(): the enclosing stack's, for convenience
T.Page {
    id: page

    property color color: Theme.systemBackground
    property list<Item> leadingItems
    property list<Item> trailingItems
    property bool navigationBarHidden: false
    property bool backButtonHidden: false
    property Item heading: bar.visible && title.length > 0 ? (titleNamesDialog ? dialog : bar.titleItem) : null
    readonly property bool canGoBack: T.StackView.index > 0
    readonly property bool onScreen: visible && Window.window !== null && (!inStack || T.StackView.status === T.StackView.Active)
    // Internal state.
    // The modal dialog (a sheet) the page is shown in, and whether that is named by its title.
    readonly property Item dialog: Window.window ? ScreenReader.dialogAround(page) : null
    readonly property bool titleNamesDialog: dialog !== null && title.length > 0 && dialog.Accessible.name === title
    // What had the focus when a pushed page covered this one, how it had come by it, and where.
    property Item returnFocus: null
    property int returnFocusReason: Qt.OtherFocusReason
    property rect returnPlace
    // Once in a stack, judged by its status, also after the stack has let it go.
    property bool inStack: false

    function push(item, properties) {
        return T.StackView.view.push(item, properties ?? {})
    }

    function pop() {
        return T.StackView.view.pop()
    }

    function takeFocus() {
        if (!visible || T.StackView.status !== T.StackView.Active)
            return
        const back = returnFocus
        const place = returnPlace
        returnFocus = null
        returnPlace = Qt.rect(0, 0, 0, 0)
        ScreenReader.enterScreen(page, back, returnFocusReason, place)
    }

    // A control keeps the reason it had the focus by: one the keyboard had reached shows its focus
    // again, one a tap had reached does not.
    function coverFocus() {
        const focused = Window.activeFocusItem
        returnFocus = focused
        returnFocusReason = (focused as T.Control)?.focusReason ?? Qt.OtherFocusReason
        returnPlace = ScreenReader.placeOf(focused)
    }

    // Called later: a page made with its screen is not in its window yet.
    T.StackView.onActivated: Qt.callLater(page.takeFocus) // qmllint disable type
    T.StackView.onDeactivating: coverFocus()
    T.StackView.onViewChanged: if (T.StackView.view) inStack = true
    onVisibleChanged: if (visible) Qt.callLater(page.takeFocus) // qmllint disable type

    Presentation.host: canGoBack
    Presentation.onDismissRequested: T.StackView.view.pop(T.StackView.view.get(T.StackView.index - 1))
    // A page is a pane. Its title is read once, as the bar's heading, not also as the pane's name.
    Accessible.name: ""

    background: Rectangle {
        color: page.color
    }

    header: NavigationBar {
        id: bar

        visible: !page.navigationBarHidden
        title: page.title
        titleRead: !page.titleNamesDialog
        showsBackButton: page.canGoBack && !page.backButtonHidden
        leadingItems: page.leadingItems // qmllint disable type
        trailingItems: page.trailingItems // qmllint disable type
        onBackClicked: page.pop()
    }
}
