import QtQuick
import Tarvik.Design

// The spending and account-operations screen; it stands in until the screen itself is built.
// Push it onto the presenter's NavigationStack. No inputs.
PlaceholderView {
    title: "Статистика"
    icon: "chart.pie.fill"
}
