import QtQuick
import Tarvik.Design

// The autopay set-up; it stands in until the screen itself is built. Present it as a Sheet's
// content: Sheet { … sourceComponent: Component { AutopayView {} } }. No inputs.
NavigationStack {
    initialItem: PlaceholderView {
        title: "Автоплатёж"
        icon: "arrow.triangle.2.circlepath"
        leadingItems: [
            BarButton {
                text: "Закрыть"
                onClicked: Presentation.dismiss()
            }
        ]
    }
}
