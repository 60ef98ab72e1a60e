import QtQuick
import QtQuick.Templates as T
import Tarvik.Design

// A stack of screens with the platform's push and pop slides. Each screen is a NavigationPage,
// which draws its own inline bar with a back button from the second screen on. Every tab of the
// shell owns one; a sheet wraps its content in one of its own.
//   initialItem: the root NavigationPage (an item or a component)
//   push(page or component or URL, properties), pop(), popToRoot(); depth, currentItem
T.StackView {
    id: stack

    // Only its screens are seen: the stack itself shows nothing.
    Accessible.ignored: true

    function popToRoot() {
        return pop(null)
    }

    pushEnter: Transition {
        XAnimator { from: stack.width; to: 0; duration: 350; easing.type: Easing.OutCubic }
    }
    pushExit: Transition {
        XAnimator { from: 0; to: -stack.width * 0.3; duration: 350; easing.type: Easing.OutCubic }
    }
    popEnter: Transition {
        XAnimator { from: -stack.width * 0.3; to: 0; duration: 350; easing.type: Easing.OutCubic }
    }
    popExit: Transition {
        XAnimator { from: 0; to: stack.width; duration: 350; easing.type: Easing.OutCubic }
    }
    replaceEnter: pushEnter
    replaceExit: pushExit
}
