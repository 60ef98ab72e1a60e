import QtQuick
import Tarvik.Design

// A text button of a navigation bar ("Закрыть", "Готово"): body font in the tint, 44 high.
//   text: string; clicked()
TarvikButton {
    implicitHeight: 44
    leftPadding: 0
    rightPadding: 0
}
