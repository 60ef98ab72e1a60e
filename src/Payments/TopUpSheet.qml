import QtQuick
import Tarvik.Design

// A sheet with a fresh top-up flow from an empty amount each time it opens. The flow, and the web
// engine behind its checkout page, load only when the sheet first opens.
//   presented: bool; closed(): as Sheet
Sheet {
    sourceComponent: Component {
        Loader {
            Component.onCompleted: setSource(Qt.resolvedUrl("TopUpFlow.qml"), { initialAmount: "" })
        }
    }
}
