import QtQuick
import Tarvik.Design

// "Закрыть" in a page's bar: it closes what presents the page (the sheet, or the stack it was
// pushed onto goes back).
BarButton {
    text: "Закрыть"
    onClicked: Presentation.dismiss()
}
